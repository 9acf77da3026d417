// File-system services. Paths are Windows paths ("C:\\dir\\data.txt") in every
// build; the headless build maps them into a per-test folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

std::optional<std::string> ReadTextFile(const std::string& path);         // nullopt: cannot open
bool WriteTextFile(const std::string& path, const std::string& content);  // create or truncate
bool FileExists(const std::string& path);

struct FileStatus {
    std::int64_t lastWriteUtc = 0;  // seconds since 1970-01-01 UTC
    std::uint64_t size = 0;
};
std::optional<FileStatus> GetFileStatus(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);  // fails if `to` exists
bool DeleteFile(const std::string& path);
std::string SystemDirectory();   // e.g. "C:\\windows\\system32"
std::string CurrentDirectory();  // the process's current directory

}  // namespace os
