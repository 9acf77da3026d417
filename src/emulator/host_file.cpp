#include "emulator/host_file.h"

#include <cstdio>
#include <memory>

namespace emulator {

namespace {

struct FileClose {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using UniqueFile = std::unique_ptr<std::FILE, FileClose>;

}  // namespace

std::optional<std::string> ReadHostFile(const std::string& path) {
    UniqueFile file(std::fopen(path.c_str(), "rb"));
    if (!file) return std::nullopt;
    std::string content;
    char chunk[4096];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) content.append(chunk, n);
    if (std::ferror(file.get())) return std::nullopt;
    return content;
}

bool AppendToHostFile(const std::string& path, std::string_view text) {
    UniqueFile file(std::fopen(path.c_str(), "ab"));
    if (!file) return false;
    return std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() && std::fflush(file.get()) == 0;
}

}  // namespace emulator
