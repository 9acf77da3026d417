// The metrics file a textfile collector reads (node_exporter on Linux,
// windows_exporter on Windows): replaced whole, so a scrape never sees half.
#pragma once

#include <string>
#include <string_view>

namespace cli {

inline constexpr std::string_view kTextfileName = "zev_status.prom";
// Rewritten at least this often even without a change, so that the file's age
// tells a monitoring engine whether the watch still runs.
inline constexpr unsigned kTextfileRefreshMs = 60000;

// `folder` joined with the file name, with the system's separator.
std::string TextfilePath(const std::string& folder);

// Writes `content` byte for byte (the format wants "\n" line ends on every
// system) to a temporary file beside `path` and renames it over `path`, as a
// POSIX rename does in one step. The temporary name does not end in ".prom", so
// a collector skips it. Windows has its own (os::WriteBytesAtomically).
bool ReplaceFileContent(const std::string& path, std::string_view content);

}  // namespace cli
