#include "os/linux/usblp_bus.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <map>
#include <system_error>

#include "os/linux/usblp_text.h"

namespace os::linux_usb {

namespace fs = std::filesystem;

namespace {

// The driver's own request number; the kernel keeps it out of its exported headers.
constexpr unsigned kGetDeviceIdNumber = 1;
// Room for the longest ID the driver caches (1024 bytes with its length prefix).
constexpr std::size_t kAnswerBufferSize = 1024;
// The answer of a query has had its 400 ms; a read waits only for bytes on their way.
constexpr int kReadWaitMs = 100;
// A busy printer may stop taking bytes for good (its bulk OUT endpoint stalls);
// a frame that has not gone out by then never will, as far as the tool cares.
constexpr int kWriteDeadlineMs = 1000;
// Attributes are short; a file that is not must not be read whole.
constexpr std::size_t kMaxAttributeBytes = 4096;

std::string readAttribute(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::string text(kMaxAttributeBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

class UsblpDevice final : public DeviceHandle {
public:
    UsblpDevice(int fd, const DeviceIdRequest& request) : m_fd(fd), m_request(request) {}

    bool requestDeviceId(std::span<std::uint8_t> out, std::size_t& returned) override {
        std::array<std::uint8_t, kAnswerBufferSize> answer{};
        if (!m_request(m_fd.get(), answer)) return false;
        returned = CopyDeviceIdAnswer(answer, out);
        return true;
    }

    // The node is non-blocking: the driver takes a frame at once and reports the
    // next write as busy until the printer has taken the last one. A signal
    // (the tool's stop request) ends the wait too.
    std::size_t write(std::span<const std::uint8_t> bytes) override {
        std::size_t written = 0;
        while (written < bytes.size()) {
            const ssize_t n = ::write(m_fd.get(), bytes.data() + written, bytes.size() - written);
            if (n > 0) {
                written += static_cast<std::size_t>(n);
                continue;
            }
            if (n == 0 || errno != EAGAIN || !waitFor(POLLOUT, kWriteDeadlineMs)) break;
        }
        return written;
    }

    std::size_t read(std::span<std::uint8_t> into) override {
        if (!waitFor(POLLIN, kReadWaitMs)) return 0;
        const ssize_t n = ::read(m_fd.get(), into.data(), into.size());
        return n > 0 ? static_cast<std::size_t>(n) : 0;
    }

private:
    bool waitFor(short events, int timeoutMs) const {
        pollfd ready{m_fd.get(), events, 0};
        return ::poll(&ready, 1, timeoutMs) > 0 && (ready.revents & events);
    }

    FileDescriptor m_fd;
    const DeviceIdRequest& m_request;
};

}  // namespace

bool IoctlDeviceIdRequest(int fd, std::span<std::uint8_t> answer) {
    return ::ioctl(fd, _IOC(_IOC_READ, 'P', kGetDeviceIdNumber, answer.size()), answer.data()) >= 0;
}

UsblpRoots RootsFromEnvironment() {
    UsblpRoots roots;
    if (const char* sysfs = std::getenv("ZEV_SYSFS_ROOT"); sysfs && *sysfs) roots.sysfs = sysfs;
    if (const char* devices = std::getenv("ZEV_USBLP_DIR"); devices && *devices) roots.devices = devices;
    return roots;
}

UsblpBus::UsblpBus(UsblpRoots roots, CachedIdTest rulesOut, DeviceIdRequest request)
    : m_roots(std::move(roots)), m_rulesOut(std::move(rulesOut)), m_request(std::move(request)) {}

PrinterInterfaceList UsblpBus::listPrinterInterfaces() {
    std::map<int, std::string> nodes;  // by minor number
    std::error_code ec;
    // A printer unplugged during the walk must not end it with an exception.
    for (fs::directory_iterator entry(m_roots.sysfs / "class" / "usbmisc", ec), end; !ec && entry != end;
         entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        const int minor = UsblpMinor(name);
        if (minor < 0) continue;
        // "device" is the printer's USB interface; its parent is the USB device.
        std::error_code linkError;
        const fs::path interface = fs::canonical(entry->path() / "device", linkError);
        if (linkError) continue;
        if (!IsZevProduct(readAttribute(interface.parent_path() / "idProduct"))) continue;
        if (m_rulesOut(AttributeValue(readAttribute(interface / "ieee1284_id")))) continue;
        nodes.emplace(minor, (m_roots.devices / name).string());
    }
    PrinterInterfaceList list;
    list.status =
        nodes.empty() ? PrinterInterfaceList::SetStatus::NoInterface : PrinterInterfaceList::SetStatus::Listed;
    for (auto& [minor, path] : nodes) list.interfaces.push_back({PrinterInterface::Kind::Path, std::move(path)});
    return list;
}

std::unique_ptr<DeviceHandle> UsblpBus::open(const std::string& path, OpenMode mode) {
    const int access = mode == OpenMode::SharedWrite ? O_WRONLY : O_RDWR;
    const int fd = ::open(path.c_str(), access | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return nullptr;
    return std::make_unique<UsblpDevice>(fd, m_request);
}

}  // namespace os::linux_usb
