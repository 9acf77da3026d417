// The file services on a POSIX machine. Paths are the machine's own; the
// Windows-only folders (the system directory, private temp folders) have no
// counterpart here and are left out, so a tool that needs them fails to link.
#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "os/files.h"

namespace os {

namespace fs = std::filesystem;

std::optional<std::string> ReadTextFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad()) return std::nullopt;
    return content.str();
}

// Kernel attribute files (sysfs, configfs) take a value in one write and
// refuse it only there, so the content goes out in as few writes as the
// kernel takes, and each one's result counts.
bool WriteTextFile(const std::string& path, const std::string& content) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    std::size_t written = 0;
    while (written < content.size()) {
        const ssize_t n = ::write(fd, content.data() + written, content.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<std::size_t>(n);
    }
    return ::close(fd) == 0 && written == content.size();
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

std::optional<FileStatus> GetFileStatus(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    const auto written = fs::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(written);
    FileStatus status;
    status.lastWriteUtc = std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
    status.size = fs::file_size(path, ec);
    return status;
}

bool DeleteFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

std::string CurrentDirectory() {
    std::error_code ec;
    return fs::current_path(ec).string();
}

}  // namespace os
