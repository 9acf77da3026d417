// A USB printer gadget made through configfs (libcomposite and the kernel's
// printer function): the kernel answers the host's requests, the device-ID
// request included, and hands the bulk data to /dev/g_printerN.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace os::linux_usb {

struct GadgetRoots {
    std::filesystem::path gadgets = "/sys/kernel/config/usb_gadget";
    std::filesystem::path controllers = "/sys/class/udc";
    std::filesystem::path devices = "/dev";  // holds the g_printerN nodes
};

struct GadgetIdentity {
    std::string name;  // the gadget's folder in configfs
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::string manufacturer, product, serial;
    std::string deviceId;  // the IEEE 1284 device ID, as the host shall read it
};

// The USB device controllers of the machine, by name, sorted.
std::vector<std::string> ListControllers(const GadgetRoots& roots = {});

// What the kernel's printer function stores for a device ID: it answers with
// strlen(pnp_string) bytes counted from its two-byte length prefix, so the last
// two characters never reach the host. Two blanks take that loss.
std::string PnpStringOf(const std::string& deviceId);

class ConfigfsGadget {
public:
    // nullptr, with `error` saying what is missing and what to do, when the
    // tree cannot be made; whatever was made by then is removed again.
    static std::unique_ptr<ConfigfsGadget> Create(const GadgetIdentity& identity, std::string& error,
                                                  const GadgetRoots& roots = {});
    // Unbinds and removes everything it made.
    ~ConfigfsGadget();
    ConfigfsGadget(const ConfigfsGadget&) = delete;
    ConfigfsGadget& operator=(const ConfigfsGadget&) = delete;

    // Binds to `controller`: the host sees the printer plugged in. The first
    // bind learns which /dev/g_printerN is the gadget's.
    bool bind(const std::string& controller, std::string& error);
    // The host sees the printer unplugged.
    void unbind();
    bool bound() const { return !m_controller.empty(); }
    const std::string& controller() const { return m_controller; }
    // The bulk data node; empty before the first bind.
    const std::filesystem::path& node() const { return m_node; }

    // Writes the device ID only when it differs from the one the kernel holds.
    bool setDeviceId(const std::string& deviceId);

private:
    ConfigfsGadget(GadgetRoots roots, std::filesystem::path folder);
    bool make(const GadgetIdentity& identity, std::string& error);
    std::filesystem::path function() const;

    GadgetRoots m_roots;
    std::filesystem::path m_folder;
    std::vector<std::filesystem::path> m_made;  // folders and links, in the order they were made
    std::string m_deviceId;
    std::string m_controller;
    std::filesystem::path m_node;
};

}  // namespace os::linux_usb
