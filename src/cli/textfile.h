// The metrics file a textfile collector reads (node_exporter on Linux,
// windows_exporter on Windows): replaced whole, so a scrape never sees half.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace cli {

inline constexpr std::string_view kTextfileName = "zev_status.prom";
// Rewritten at least this often even without a change, so that the file's age
// tells a monitoring engine whether the watch still runs.
inline constexpr unsigned kTextfileRefreshMs = 60000;

// `folder` joined with the file name, with the platform's separator.
std::string TextfilePath(const std::string& folder);

// Renames `from` over an existing `to` in one step.
using MoveOver = std::function<bool(const std::string& from, const std::string& to)>;

// Writes `content` byte for byte (the format wants "\n" line ends on every
// system) to a temporary file beside `path` and moves it over `path`; without
// `moveOver`, with std::filesystem::rename. The temporary name does not end in
// ".prom", so a collector skips it.
bool ReplaceFileContent(const std::string& path, std::string_view content, const MoveOver& moveOver = {});

}  // namespace cli
