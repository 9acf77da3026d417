// Fetching an HTTP(S) address into a local file, within limits.
#pragma once

#include <cstdint>
#include <string>

namespace os {

struct DownloadLimits {
    unsigned connectTimeoutMs = 30000;   // to reach the server and get its answer started
    unsigned stallTimeoutMs = 60000;     // longest wait for the next bytes of the body
    std::uint64_t maxBytes = 64u << 20;  // a larger body is a failed download
    unsigned deadlineMs = 600000;        // the whole transfer, however slowly the server sends
};

// Downloads `url` (http or https only; every other scheme is refused) into
// `localPath` (a Windows path, created or replaced) and returns only when the
// transfer has ended. Never served from a cache. True when the server answered
// 200 and the whole body, within the limits, is in the file; on failure a file
// already at `localPath` is left as it was. On Windows the calling thread keeps
// repainting its windows meanwhile, but handles no input.
bool DownloadToFile(const std::string& url, const std::string& localPath, const DownloadLimits& limits);

}  // namespace os
