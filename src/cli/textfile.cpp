#include "cli/textfile.h"

#include <filesystem>
#include <fstream>

namespace cli {

namespace {

// Paths arrive as UTF-8 on every system; a plain string would be read in the
// Windows code page there.
std::filesystem::path pathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool renameOver(const std::string& from, const std::string& to) {
    std::error_code error;
    std::filesystem::rename(pathOf(from), pathOf(to), error);
    return !error;
}

}  // namespace

std::string TextfilePath(const std::string& folder) {
    const std::u8string path = (pathOf(folder) / kTextfileName).u8string();
    return std::string(path.begin(), path.end());
}

bool ReplaceFileContent(const std::string& path, std::string_view content, const MoveOver& moveOver) {
    const std::string temporary = path + ".new";
    {
        std::ofstream file(pathOf(temporary), std::ios::binary | std::ios::trunc);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.close();
        if (!file) return false;
    }
    if ((moveOver ? moveOver : renameOver)(temporary, path)) return true;
    std::error_code error;
    std::filesystem::remove(pathOf(temporary), error);
    return false;
}

}  // namespace cli
