#include "update/driver_files.h"

#include <algorithm>

namespace update {

const DriverFile& DriverFileOf(char letter) {
    const auto* found = std::find_if(
        kDriverFiles.begin(), kDriverFiles.end(), [letter](const DriverFile& f) { return f.letter == letter; });
    // The orders name only letters of the table; anything else is a programming error.
    return found != kDriverFiles.end() ? *found : kDriverFiles.front();
}

std::string FolderOf(const DriverFile& file, const std::string& systemDirectory) {
    std::string folder = systemDirectory;
    if (file.inDriverDirectory) folder += kDriverSubdirectory;
    return folder;
}

std::string InstalledPath(const DriverFile& file, const std::string& systemDirectory) {
    return FolderOf(file, systemDirectory) + "\\" + std::string(file.name);
}

std::string BackupPath(const DriverFile& file, const std::string& systemDirectory, std::string_view stamp) {
    return FolderOf(file, systemDirectory) + "\\" + std::string(file.backupName) + std::string(stamp);
}

std::string VersionFileName(const DriverFile& file) { return std::string("brmod_") + file.letter + ".txt"; }

std::string VersionFileUrlPath(const DriverFile& file) { return "/zev/update/" + VersionFileName(file); }

std::string ReplacementUrlPath(const DriverFile& file) { return ReplacementUrlPath(file.name); }

std::string ReplacementUrlPath(std::string_view name) { return "/zev/update/files/" + std::string(name); }

std::string DownloadingText(const DriverFile& file) { return "Downloading now: " + std::string(file.name); }

}  // namespace update
