#include <chrono>
#include <fstream>
#include <random>
#include <sstream>
#include <system_error>

#include "os/files.h"
#include "os/headless/machine.h"

namespace os {

namespace fs = std::filesystem;
using headless::machine;

std::optional<std::string> ReadTextFile(const std::string& path) {
    if (machine().fails("read", path)) return std::nullopt;
    std::ifstream in(machine().hostPath(path), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

// The simulated machine keeps text files as they are written.
std::optional<std::string> ReadFileBytes(const std::string& path) { return ReadTextFile(path); }

bool WriteTextFile(const std::string& path, const std::string& content) {
    if (machine().fails("write", path)) return false;
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
    if (machine().fails("rename", from)) return false;
    std::error_code ec;
    const fs::path src = machine().hostPath(from);
    const fs::path dst = machine().hostPath(to);
    if (!fs::exists(src, ec) || fs::exists(dst, ec)) return false;
    fs::rename(src, dst, ec);
    return !ec;
}

bool MoveReplacing(const std::string& from, const std::string& to) {
    if (machine().fails("replace", from)) return false;
    std::error_code ec;
    const fs::path src = machine().hostPath(from);
    if (!fs::is_regular_file(src, ec)) return false;
    fs::rename(src, machine().hostPath(to), ec);
    return !ec;
}

bool CopyToNewFile(const std::string& from, const std::string& to) {
    if (machine().fails("copy", to)) return false;
    std::error_code ec;
    const fs::path source = machine().hostPath(from);
    if (fs::is_symlink(source, ec) || fs::is_symlink(source.parent_path(), ec)) return false;
    return fs::copy_file(machine().hostPath(from), machine().hostPath(to), fs::copy_options::none, ec) && !ec;
}

bool WriteTextFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = path + ".new";
    if (!WriteTextFile(temporary, content)) {
        DeleteFile(temporary);
        return false;
    }
    if (MoveReplacing(temporary, path)) return true;
    DeleteFile(temporary);
    return false;
}

bool DeleteFile(const std::string& path) {
    if (machine().fails("delete", path)) return false;
    std::error_code ec;
    return fs::is_regular_file(machine().hostPath(path), ec) && fs::remove(machine().hostPath(path), ec);
}

std::string SystemDirectory() { return machine().systemDirectory; }
std::string CurrentDirectory() { return machine().currentDirectory; }

std::optional<std::string> CreatePrivateFolder(const std::string& prefix) {
    static std::mt19937 random{std::random_device{}()};
    for (int attempt = 0; attempt < 8; ++attempt) {
        const std::string folder =
            machine().tempDirectory + "\\" + prefix + "-" + std::to_string(random() % 100000000u);
        if (machine().fails("mkdir", folder)) return std::nullopt;
        std::error_code ec;
        const fs::path host = machine().hostPath(folder);
        fs::create_directories(host.parent_path(), ec);
        if (fs::create_directory(host, ec)) return folder;
    }
    return std::nullopt;
}

bool CreateAdminOnlyFolder(const std::string& path) {
    if (machine().fails("mkdir", path)) return false;
    std::error_code ec;
    const fs::path host = machine().hostPath(path);
    if (!fs::create_directory(host, ec)) return false;
    machine().adminOnlyFolders.push_back(host);
    return true;
}

bool RemovePrivateFolder(const std::string& folder) {
    std::error_code ec;
    const fs::path host = machine().hostPath(folder);
    for (const auto& entry : fs::directory_iterator(host, ec)) {
        if (entry.is_regular_file(ec)) fs::remove(entry.path(), ec);
    }
    return fs::remove(host, ec) && !ec;
}

}  // namespace os
