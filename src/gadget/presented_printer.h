// One emulated printer shown to a USB host through a printer gadget: its plug
// state becomes the gadget's bind, its device ID the gadget's, and the frames
// the host writes reach the emulated printer, whose answers go back.
#pragma once

#include <memory>
#include <string>

#include "emulator/emulated_bus.h"
#include "os/linux/configfs_gadget.h"
#include "os/linux/gadget_node.h"

namespace gadget {

// The vendor ID the gadgets carry (the emulator's paths name it too); the
// product ID is the ZEV's.
inline constexpr std::uint16_t kGadgetVendorId = 0x7a51;
inline constexpr std::uint16_t kZevProductId = 0x6004;

class PresentedPrinter {
public:
    PresentedPrinter(emulator::EmulatedBus& bus, std::string printerName, std::string controller);

    // Makes the gadget and binds it unless the printer starts unplugged; false
    // with `error` set when the machine cannot present it.
    bool start(const std::string& gadgetName, std::string& error);
    // Follows the printer's plug state and device ID.
    void follow();
    // Moves the host's frames to the printer and its answers back.
    void serve();

    os::linux_usb::GadgetNode& node() { return m_node; }

private:
    // Whether the host's bytes are taken: a printer that takes none lets the
    // host's writes stall.
    bool takesBytes();
    emulator::EmulatedPrinter& printer();
    void reopenNode();

    emulator::EmulatedBus& m_bus;
    std::string m_name;
    std::string m_controller;
    std::unique_ptr<os::linux_usb::ConfigfsGadget> m_gadget;
    std::unique_ptr<os::DeviceHandle> m_handle;
    os::linux_usb::GadgetNode m_node;
};

}  // namespace gadget
