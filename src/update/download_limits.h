// How much the update accepts from the server. A version file is a line or two;
// the largest driver file is a few megabytes, so the caps leave ample room
// without letting a runaway answer fill the disk.
#pragma once

#include <cstdint>

#include "os/download.h"

namespace update {

inline constexpr std::uint64_t kMaxVersionFileBytes = 64u * 1024;
inline constexpr std::uint64_t kMaxDriverFileBytes = 32u * 1024 * 1024;

// The deadlines leave a slow line ample time for each file; a server that
// keeps a download alive one byte at a time still cannot hold it open longer.
inline os::DownloadLimits VersionFileLimits() { return {30000, 60000, kMaxVersionFileBytes, 30000}; }
inline os::DownloadLimits ReplacementLimits() { return {30000, 60000, kMaxDriverFileBytes, 600000}; }

}  // namespace update
