#include <chrono>
#include <fstream>
#include <sstream>
#include <system_error>

#include "os/files.h"
#include "os/headless/machine.h"

namespace os {

namespace fs = std::filesystem;
using headless::machine;

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream in(machine().hostPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

bool WriteTextFile(const std::string& path, const std::string& content) {
    std::ofstream out(machine().hostPath(path), std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out << content;
    return static_cast<bool>(out);
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(machine().hostPath(path), ec);
}

std::optional<FileStatus> GetFileStatus(const std::string& path) {
    std::error_code ec;
    const fs::path host = machine().hostPath(path);
    if (!fs::is_regular_file(host, ec)) return std::nullopt;
    const auto written = fs::last_write_time(host, ec);
    if (ec) return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(written);
    FileStatus st;
    st.lastWriteUtc = std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
    st.size = fs::file_size(host, ec);
    return st;
}

bool RenameFile(const std::string& from, const std::string& to) {
    std::error_code ec;
    const fs::path src = machine().hostPath(from);
    const fs::path dst = machine().hostPath(to);
    if (!fs::exists(src, ec) || fs::exists(dst, ec)) return false;
    fs::rename(src, dst, ec);
    return !ec;
}

bool DeleteFile(const std::string& path) {
    std::error_code ec;
    return fs::remove(machine().hostPath(path), ec);
}

std::string SystemDirectory() { return machine().systemDirectory; }
std::string CurrentDirectory() { return machine().currentDirectory; }

}  // namespace os
