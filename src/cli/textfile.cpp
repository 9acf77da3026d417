#include "cli/textfile.h"

#include <cstdio>
#include <memory>

namespace cli {

namespace {

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

struct CloseFile {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// C's stdio rather than the C++ streams: the streams would double the size of
// the Windows program, which has no other use for them.
bool writeNewFile(const std::string& path, std::string_view bytes) {
    std::unique_ptr<std::FILE, CloseFile> file(std::fopen(path.c_str(), "wb"));
    if (!file || std::fwrite(bytes.data(), 1, bytes.size(), file.get()) != bytes.size()) return false;
    return std::fclose(file.release()) == 0;
}

}  // namespace

std::string TextfilePath(const std::string& folder) {
    const bool endsInSeparator = !folder.empty() && (folder.back() == '/' || folder.back() == kSeparator);
    return folder + (endsInSeparator ? "" : std::string(1, kSeparator)) + std::string(kTextfileName);
}

bool ReplaceFileContent(const std::string& path, std::string_view content) {
    const std::string temporary = path + ".new";
    if (writeNewFile(temporary, content) && std::rename(temporary.c_str(), path.c_str()) == 0) return true;
    std::remove(temporary.c_str());
    return false;
}

}  // namespace cli
