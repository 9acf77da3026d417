// The device bus made of emulated printers, driven by a scenario on the
// program's clock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "emulator/emulated_printer.h"
#include "emulator/scenario.h"
#include "emulator/write_log.h"
#include "os/device_bus.h"

namespace emulator {

class EmulatedBus final : public os::DeviceBus {
public:
    // The scenario's times count from the moment of construction
    // (os::TickCount()). A non-empty `logFile` gets every log line appended.
    explicit EmulatedBus(Scenario scenario = {}, std::string logFile = {});
    ~EmulatedBus() override;
    EmulatedBus(const EmulatedBus&) = delete;
    EmulatedBus& operator=(const EmulatedBus&) = delete;

    os::PrinterInterfaceList listPrinterInterfaces() override;
    std::unique_ptr<os::DeviceHandle> open(const std::string& path, os::OpenMode mode) override;

    // Adds a printer at the end of the listing order (for tests).
    EmulatedPrinter& addPrinter(const std::string& name);
    // Every printer's name, in listing order, unplugged ones included.
    std::vector<std::string> printerNames() const;
    // nullptr when there is no printer of that name. Brings it up to date first.
    EmulatedPrinter* printer(std::string_view name);

    // The interface set itself cannot be had (the walk's "invalid HANDLE" case).
    void setInterfaceSetInvalid(bool invalid) { m_setInvalid = invalid; }

    const WriteLog& log() const { return m_log; }
    WriteLog& log() { return m_log; }
    // Handles currently open on all printers; a leak shows up here.
    std::size_t openHandles() const { return m_openHandles; }

    // Applies the scenario's changes and the printers' own timers up to now.
    void catchUp();

private:
    friend class EmulatedDevice;
    std::uint64_t elapsedMs() const;
    EmulatedPrinter* find(std::string_view name);
    void restartCycle();
    void applyChangesUpTo(std::uint64_t cycleMs);

    Scenario m_scenario;
    std::vector<std::unique_ptr<EmulatedPrinter>> m_printers;
    WriteLog m_log;
    std::uint64_t m_startTick;
    std::uint64_t m_cycle = 0;
    std::size_t m_nextChange = 0;
    bool m_setInvalid = false;
    std::size_t m_openHandles = 0;
};

}  // namespace emulator
