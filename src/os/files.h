// File-system services. Paths are Windows paths ("C:\\dir\\data.txt") in every
// build; the headless build maps them into a per-test folder.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace os {

std::optional<std::string> ReadTextFile(const std::string& path);         // nullopt: cannot open
std::optional<std::string> ReadFileBytes(const std::string& path);        // as on the disk, line ends untouched
bool WriteTextFile(const std::string& path, const std::string& content);  // create or truncate
bool FileExists(const std::string& path);

struct FileStatus {
    std::int64_t lastWriteUtc = 0;  // seconds since 1970-01-01 UTC
    std::uint64_t size = 0;
};
std::optional<FileStatus> GetFileStatus(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);  // fails if `to` exists
// Renames `from` over `to`, replacing a file already there in one step, and
// returns only once the change is on the disk. Both must be on one volume.
bool MoveReplacing(const std::string& from, const std::string& to);
// Copies `from` to a new file `to`; fails if `to` exists, and when `from`, or
// the folder that holds it, is a link or another reparse point: whoever could
// plant one could point an administrator's read anywhere. Flushed before it
// returns.
bool CopyToNewFile(const std::string& from, const std::string& to);
// Writes `content` to a new file beside `path` and then puts it in place of
// `path` in one step, so a reader (or a crash) sees either the old file whole
// or the new one whole, never a part.
bool WriteTextFileAtomically(const std::string& path, const std::string& content);
bool DeleteFile(const std::string& path);
std::string SystemDirectory();   // e.g. "C:\\windows\\system32"
std::string CurrentDirectory();  // the process's current directory

// A new folder below the user's temp folder that only this process asked for
// ("<temp>\\<prefix>-<random>"); nullopt when none can be made.
std::optional<std::string> CreatePrivateFolder(const std::string& prefix);
// A new folder `path` whose content only administrators and the system can
// change (everybody may read it); fails when anything is at `path` already.
bool CreateAdminOnlyFolder(const std::string& path);
// Deletes the files in `folder` (not in folders below it) and then the folder.
bool RemovePrivateFolder(const std::string& folder);

}  // namespace os
