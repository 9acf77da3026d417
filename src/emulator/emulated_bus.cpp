#include "emulator/emulated_bus.h"

#include <algorithm>

#include "os/clock.h"

namespace emulator {

namespace {

bool sameIgnoringAsciiCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

void resetTo(EmulatedPrinter& printer, const PrinterChange& setup) {
    printer.identity = PrinterIdentity{};
    printer.identity.serial = printer.name();
    printer.condition = PrinterCondition{};
    printer.faults = PrinterFaults{};
    ApplyChange(printer, setup);
}

}  // namespace

// An open emulated device. Windows paths name devices case-insensitively, and
// a handle opened for writing only cannot read.
class EmulatedDevice final : public os::DeviceHandle {
public:
    EmulatedDevice(EmulatedBus& bus, EmulatedPrinter& printer, os::OpenMode mode)
        : m_bus(bus), m_printer(printer), m_mode(mode) {
        ++m_bus.m_openHandles;
    }
    ~EmulatedDevice() override { --m_bus.m_openHandles; }
    EmulatedDevice(const EmulatedDevice&) = delete;
    EmulatedDevice& operator=(const EmulatedDevice&) = delete;

    bool requestDeviceId(std::span<std::uint8_t> out, std::size_t& returned) override {
        returned = 0;
        m_bus.catchUp();
        if (m_printer.faults.unplugged || m_printer.faults.idFails) return false;
        const std::string id = m_printer.deviceId();
        returned = std::min(id.size(), out.size());
        std::copy_n(id.begin(), returned, out.begin());
        return true;
    }

    std::size_t write(std::span<const std::uint8_t> bytes) override {
        m_bus.catchUp();
        if (m_printer.faults.unplugged || m_printer.faults.takesNoBytes) return 0;
        const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        const std::uint64_t now = m_bus.elapsedMs();
        m_bus.m_log.recordWrite(now, m_printer.name(), text);
        for (const std::string& note : m_printer.receive(text, now))
            m_bus.m_log.recordNote(now, m_printer.name(), note);
        return bytes.size();
    }

    std::size_t read(std::span<std::uint8_t> into) override {
        m_bus.catchUp();
        if (m_printer.faults.unplugged || m_mode != os::OpenMode::ExclusiveReadWrite) return 0;
        return m_printer.deliver(into);
    }

private:
    EmulatedBus& m_bus;
    EmulatedPrinter& m_printer;
    os::OpenMode m_mode;
};

EmulatedBus::EmulatedBus(Scenario scenario, std::string logFile)
    : m_scenario(std::move(scenario)), m_log(std::move(logFile)), m_startTick(os::TickCount()) {
    for (const PrinterDefinition& def : m_scenario.printers) {
        m_printers.push_back(std::make_unique<EmulatedPrinter>(def.name));
        resetTo(*m_printers.back(), def.setup);
    }
}

EmulatedBus::~EmulatedBus() = default;

std::uint64_t EmulatedBus::elapsedMs() const {
    const std::uint64_t now = os::TickCount();
    return now > m_startTick ? now - m_startTick : 0;
}

void EmulatedBus::catchUp() {
    const std::uint64_t elapsed = elapsedMs();
    std::uint64_t cycleMs = elapsed;
    if (m_scenario.loopMs > 0) {
        const std::uint64_t cycle = elapsed / m_scenario.loopMs;
        if (cycle != m_cycle) {
            m_cycle = cycle;
            restartCycle();
        }
        cycleMs = elapsed % m_scenario.loopMs;
    }
    applyChangesUpTo(cycleMs);
    for (const auto& p : m_printers) p->advance(elapsed);
}

void EmulatedBus::restartCycle() {
    for (const PrinterDefinition& def : m_scenario.printers) {
        if (EmulatedPrinter* p = find(def.name)) resetTo(*p, def.setup);
    }
    m_nextChange = 0;
}

void EmulatedBus::applyChangesUpTo(std::uint64_t cycleMs) {
    while (m_nextChange < m_scenario.changes.size() && m_scenario.changes[m_nextChange].atMs <= cycleMs) {
        const TimedChange& change = m_scenario.changes[m_nextChange++];
        for (const auto& p : m_printers) {
            if (p->name() == change.printer) ApplyChange(*p, change.change);
        }
    }
}

os::PrinterInterfaceList EmulatedBus::listPrinterInterfaces() {
    catchUp();
    os::PrinterInterfaceList list;
    if (m_setInvalid) {
        list.status = os::PrinterInterfaceList::SetStatus::Invalid;
        return list;
    }
    for (const auto& p : m_printers) {
        if (p->faults.unplugged) continue;
        if (p->faults.detailFails) {
            list.interfaces.push_back({os::PrinterInterface::Kind::DetailUnavailable, {}});
            break;
        }
        if (p->faults.detailTooLarge) {
            list.interfaces.push_back({os::PrinterInterface::Kind::DetailTooLarge, {}});
            continue;
        }
        list.interfaces.push_back({os::PrinterInterface::Kind::Path, p->interfacePath()});
    }
    list.status = list.interfaces.empty() ? os::PrinterInterfaceList::SetStatus::NoInterface
                                          : os::PrinterInterfaceList::SetStatus::Listed;
    return list;
}

std::unique_ptr<os::DeviceHandle> EmulatedBus::open(const std::string& path, os::OpenMode mode) {
    catchUp();
    for (const auto& p : m_printers) {
        if (p->faults.unplugged || !sameIgnoringAsciiCase(p->interfacePath(), path)) continue;
        if (p->faults.openFails) return nullptr;
        return std::make_unique<EmulatedDevice>(*this, *p, mode);
    }
    return nullptr;
}

EmulatedPrinter& EmulatedBus::addPrinter(const std::string& name) {
    m_printers.push_back(std::make_unique<EmulatedPrinter>(name));
    return *m_printers.back();
}

std::vector<std::string> EmulatedBus::printerNames() const {
    std::vector<std::string> names;
    for (const auto& p : m_printers) names.push_back(p->name());
    return names;
}

EmulatedPrinter* EmulatedBus::printer(std::string_view name) {
    catchUp();
    return find(name);
}

EmulatedPrinter* EmulatedBus::find(std::string_view name) {
    for (const auto& p : m_printers) {
        if (p->name() == name) return p.get();
    }
    return nullptr;
}

}  // namespace emulator
