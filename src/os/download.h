// Fetching an HTTP(S) address into a local file.
#pragma once

#include <string>

namespace os {

// Downloads `url` into `localPath` (a Windows path, created or replaced) and
// returns only when the transfer has ended. true when the whole body arrived;
// on failure a file already at `localPath` is left as it was. On Windows the
// calling thread keeps repainting its windows meanwhile, but handles no input.
bool DownloadToFile(const std::string& url, const std::string& localPath);

}  // namespace os
