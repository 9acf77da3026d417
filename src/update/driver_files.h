// The six files of the printer driver that the online update looks after, and
// where each one lives. The letter a-f is a file's identity everywhere.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace update {

struct DriverFile {
    char letter;
    std::string_view name;        // installed name, e.g. "brmod_a.dll"
    bool inDriverDirectory;       // false: directly in the system directory
    std::string_view backupName;  // e.g. "brmod_a_OLD.dll"
};

inline constexpr std::array<DriverFile, 6> kDriverFiles = {{
    {'a', "brmod_a.dll", false, "brmod_a_OLD.dll"},
    {'b', "brmod_b.dat", true, "brmod_b_OLD.dat"},
    {'c', "brmod_c.dll", true, "brmod_c_OLD.dll"},
    {'d', "brmod_d.dll", true, "brmod_d_OLD.dll"},
    {'e', "brmod_e.dll", true, "brmod_e_OLD.dll"},
    {'f', "brmod_f.dll", true, "brmod_f_OLD.dll"},
}};

// The order in which the installed files are examined when the check opens.
inline constexpr std::string_view kExaminationOrder = "abcfde";
// The order of the version-file downloads, of the update mask and of the install.
inline constexpr std::string_view kMaskOrder = "aedfcb";

// The row of `letter`; every letter of the two orders above has one.
const DriverFile& DriverFileOf(char letter);

// The folder below the system directory that holds five of the six files.
inline constexpr std::string_view kDriverSubdirectory = "\\spool\\drivers\\w32x86\\3";

std::string FolderOf(const DriverFile& file, const std::string& systemDirectory);
// Folder + "\" + name.
std::string InstalledPath(const DriverFile& file, const std::string& systemDirectory);
// Folder + "\" + backup name + `stamp` (empty, or the German run's timestamp).
std::string BackupPath(const DriverFile& file, const std::string& systemDirectory, std::string_view stamp);

// Addresses on the update server, below its base address.
std::string VersionFileUrlPath(const DriverFile& file);  // "/zev/update/brmod_a.txt"
std::string ReplacementUrlPath(const DriverFile& file);  // "/zev/update/files/brmod_a.dll"
std::string ReplacementUrlPath(std::string_view name);   // "/zev/update/files/" + name
// The local name a version file is downloaded to: "brmod_a.txt".
std::string VersionFileName(const DriverFile& file);
// The install dialog's status line while `file` downloads.
std::string DownloadingText(const DriverFile& file);

}  // namespace update
