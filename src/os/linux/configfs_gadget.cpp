#include "os/linux/configfs_gadget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <set>
#include <system_error>
#include <thread>

#include "os/files.h"

namespace os::linux_usb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kFunction = "printer.zev";
constexpr const char* kConfig = "configs/c.1";
constexpr const char* kEnglish = "strings/0x409";
// Few requests in flight: a printer that stops reading stalls the host's
// writes after two frames, as a busy printer's full buffer would.
constexpr const char* kQueueLength = "2";
// The node appears through devtmpfs a moment after the bind.
constexpr auto kNodeWait = std::chrono::seconds(3);

std::string hex4(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%04x", value);
    return text;
}

std::set<std::string> printerNodes(const fs::path& devices) {
    std::set<std::string> nodes;
    std::error_code ec;
    for (fs::directory_iterator entry(devices, ec), end; !ec && entry != end; entry.increment(ec)) {
        const std::string name = entry->path().filename().string();
        if (name.starts_with("g_printer")) nodes.insert(name);
    }
    return nodes;
}

std::string reason() { return std::strerror(errno); }

}  // namespace

std::vector<std::string> ListControllers(const GadgetRoots& roots) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator entry(roots.controllers, ec), end; !ec && entry != end; entry.increment(ec))
        names.push_back(entry->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string PnpStringOf(const std::string& deviceId) { return deviceId + "  "; }

ConfigfsGadget::ConfigfsGadget(GadgetRoots roots, fs::path folder)
    : m_roots(std::move(roots)), m_folder(std::move(folder)) {}

std::unique_ptr<ConfigfsGadget> ConfigfsGadget::Create(const GadgetIdentity& identity, std::string& error,
                                                       const GadgetRoots& roots) {
    std::error_code ec;
    if (!fs::is_directory(roots.gadgets, ec)) {
        error = roots.gadgets.string() +
                " is missing: load libcomposite (modprobe libcomposite) and mount configfs "
                "(mount -t configfs none /sys/kernel/config)";
        return nullptr;
    }
    std::unique_ptr<ConfigfsGadget> gadget(new ConfigfsGadget(roots, roots.gadgets / identity.name));
    if (!gadget->make(identity, error)) return nullptr;
    return gadget;
}

bool ConfigfsGadget::make(const GadgetIdentity& identity, std::string& error) {
    if (::mkdir(m_folder.c_str(), 0755) != 0) {
        error = errno == EEXIST ? "the gadget name " + identity.name + " is taken in configfs (" + m_folder.string() +
                                      "): another zev-gadget runs, or remove the old gadget"
                                : "cannot make " + m_folder.string() + ": " + reason() +
                                      (errno == EACCES || errno == EPERM ? " (run as root)" : "");
        return false;
    }
    m_made.push_back(m_folder);
    const auto write = [&](const fs::path& file, const std::string& value) {
        if (os::WriteTextFile(file.string(), value)) return true;
        error = "cannot write " + file.string() + ": " + reason();
        return false;
    };
    const auto folder = [&](const fs::path& path) {
        if (::mkdir(path.c_str(), 0755) == 0) {
            m_made.push_back(path);
            return true;
        }
        error = "cannot make " + path.string() + ": " + reason();
        return false;
    };
    if (!write(m_folder / "idVendor", hex4(identity.vendorId)) ||
        !write(m_folder / "idProduct", hex4(identity.productId)) || !write(m_folder / "bcdUSB", "0x0200") ||
        !folder(m_folder / kEnglish) || !write(m_folder / kEnglish / "manufacturer", identity.manufacturer) ||
        !write(m_folder / kEnglish / "product", identity.product) ||
        !write(m_folder / kEnglish / "serialnumber", identity.serial))
        return false;
    if (::mkdir(function().c_str(), 0755) != 0) {
        error = "cannot make the printer function " + function().string() + ": " + reason() +
                (errno == ENOENT ? " (load it: modprobe usb_f_printer)" : "");
        return false;
    }
    m_made.push_back(function());
    if (!write(function() / "q_len", kQueueLength) || !setDeviceId(identity.deviceId) || !folder(m_folder / kConfig) ||
        !write(m_folder / kConfig / "MaxPower", "2"))
        return false;
    const fs::path link = m_folder / kConfig / kFunction;
    if (::symlink(function().c_str(), link.c_str()) != 0) {
        error = "cannot link the printer function into " + (m_folder / kConfig).string() + ": " + reason();
        return false;
    }
    m_made.push_back(link);
    return true;
}

fs::path ConfigfsGadget::function() const { return m_folder / "functions" / kFunction; }

ConfigfsGadget::~ConfigfsGadget() {
    unbind();
    // configfs wants the folders removed one by one, the last made first; a
    // link goes with unlink, a folder with rmdir.
    for (auto it = m_made.rbegin(); it != m_made.rend(); ++it) {
        std::error_code ec;
        if (fs::is_symlink(*it, ec))
            ::unlink(it->c_str());
        else
            ::rmdir(it->c_str());
    }
}

bool ConfigfsGadget::bind(const std::string& controller, std::string& error) {
    const std::set<std::string> before = m_node.empty() ? printerNodes(m_roots.devices) : std::set<std::string>{};
    if (!os::WriteTextFile((m_folder / "UDC").string(), controller)) {
        error = "cannot bind to the USB device controller " + controller + ": " + reason() +
                (errno == EBUSY ? " (another gadget uses it)" : "");
        return false;
    }
    m_controller = controller;
    if (!m_node.empty()) return true;
    for (const auto until = std::chrono::steady_clock::now() + kNodeWait; std::chrono::steady_clock::now() < until;
         std::this_thread::sleep_for(std::chrono::milliseconds(20))) {
        for (const std::string& name : printerNodes(m_roots.devices)) {
            if (before.contains(name)) continue;
            m_node = m_roots.devices / name;
            return true;
        }
    }
    error = "no new g_printer node appeared in " + m_roots.devices.string() + " (is devtmpfs mounted?)";
    unbind();
    return false;
}

void ConfigfsGadget::unbind() {
    if (m_controller.empty()) return;
    // The kernel wants at least a line end to unbind.
    os::WriteTextFile((m_folder / "UDC").string(), "\n");
    m_controller.clear();
}

bool ConfigfsGadget::setDeviceId(const std::string& deviceId) {
    if (deviceId == m_deviceId && !m_deviceId.empty()) return true;
    if (!os::WriteTextFile((function() / "pnp_string").string(), PnpStringOf(deviceId))) return false;
    m_deviceId = deviceId;
    return true;
}

}  // namespace os::linux_usb
