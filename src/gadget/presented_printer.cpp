#include "gadget/presented_printer.h"

#include <array>

namespace gadget {

namespace {

// A bulk transfer of a full-speed or high-speed printer carries at most this.
constexpr std::size_t kTransferBytes = 512;

}  // namespace

PresentedPrinter::PresentedPrinter(emulator::EmulatedBus& bus, std::string printerName, std::string controller)
    : m_bus(bus), m_name(std::move(printerName)), m_controller(std::move(controller)) {}

emulator::EmulatedPrinter& PresentedPrinter::printer() { return *m_bus.printer(m_name); }

bool PresentedPrinter::start(const std::string& gadgetName, std::string& error) {
    emulator::EmulatedPrinter& p = printer();
    const os::linux_usb::GadgetIdentity identity{
        gadgetName, kGadgetVendorId, kZevProductId, p.identity.mfg, p.identity.mdl, p.identity.serial, p.deviceId()};
    m_gadget = os::linux_usb::ConfigfsGadget::Create(identity, error);
    if (!m_gadget) return false;
    if (p.faults.unplugged) return true;
    if (!m_gadget->bind(m_controller, error)) return false;
    reopenNode();
    return true;
}

void PresentedPrinter::reopenNode() {
    m_node.close();
    m_handle.reset();
    if (!m_gadget->bound() || !m_node.open(m_gadget->node())) return;
    // The emulated printer sees the frames through the same kind of handle the
    // program's queries use.
    m_handle = m_bus.open(printer().interfacePath(), os::OpenMode::ExclusiveReadWrite);
}

void PresentedPrinter::follow() {
    emulator::EmulatedPrinter& p = printer();
    m_gadget->setDeviceId(p.deviceId());
    if (p.faults.unplugged && m_gadget->bound()) {
        m_node.close();
        m_gadget->unbind();
    } else if (!p.faults.unplugged && !m_gadget->bound()) {
        std::string ignored;  // a controller taken meanwhile is tried again on the next turn
        if (m_gadget->bind(m_controller, ignored)) reopenNode();
    } else if (m_gadget->bound() && (!m_node.isOpen() || !m_handle)) {
        reopenNode();
    }
}

bool PresentedPrinter::takesBytes() { return !printer().faults.takesNoBytes; }

void PresentedPrinter::serve() {
    m_node.setListening(takesBytes());
    if (!m_node.isOpen() || !m_handle) return;
    if (takesBytes()) {
        bool failed = false;
        const std::vector<std::uint8_t> frame = m_node.take(kTransferBytes, failed);
        if (failed) {
            m_node.close();
            return;
        }
        if (!frame.empty()) m_handle->write(frame);
    }
    std::array<std::uint8_t, kTransferBytes> answer{};
    for (std::size_t n; (n = m_handle->read(answer)) > 0;) m_node.give(std::span(answer).first(n));
    m_node.flush();
}

}  // namespace gadget
