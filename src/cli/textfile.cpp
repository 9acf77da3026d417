#include "cli/textfile.h"

#include <filesystem>
#include <fstream>

namespace cli {

std::string TextfilePath(const std::string& folder) {
    return (std::filesystem::path(folder) / std::string(kTextfileName)).string();
}

bool ReplaceFileContent(const std::string& path, std::string_view content) {
    const std::string temporary = path + ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(content.data(), static_cast<std::streamsize>(content.size()));
        file.close();
        if (!file) return false;
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (!error) return true;
    std::filesystem::remove(temporary, error);
    return false;
}

}  // namespace cli
