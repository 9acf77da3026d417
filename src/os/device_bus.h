// The USB printer interfaces of the machine, seen as a bus of device paths that
// can be opened as files. The real bus talks to the Windows device set-up and
// file APIs; the emulated bus (src/emulator) stands in for it in tests, in the
// demo and in the end-to-end runs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace os {

// One interface as the walk met it. A detail record that would not fit the
// walk's fixed record, or that the system refuses to hand over, is reported
// in its place so the caller can react as it must (skip it, or end the walk).
struct PrinterInterface {
    enum class Kind {
        Path,               // `path` holds the interface path
        DetailTooLarge,     // the detail record needs more room than the walk allows
        DetailUnavailable,  // the detail could not be fetched; the walk ends here
    };
    Kind kind = Kind::Path;
    std::string path;
};

struct PrinterInterfaceList {
    enum class SetStatus {
        Invalid,      // the system handed back no interface set at all
        NoInterface,  // the set is valid but holds no interface (index 0 is missing)
        Listed,       // `interfaces` holds what the walk met, in order
    };
    SetStatus status = SetStatus::NoInterface;
    // After a DetailUnavailable entry nothing follows: the walk stops there.
    std::vector<PrinterInterface> interfaces;
};

// The two ways the program opens a device path.
enum class OpenMode {
    // GENERIC_READ|GENERIC_WRITE, no sharing, OPEN_EXISTING: queries, settings
    // writes and the cancel-print bytes.
    ExclusiveReadWrite,
    // GENERIC_WRITE, FILE_SHARE_READ, OPEN_ALWAYS, normal + sequential scan:
    // the device-ID request and the button and reset frames.
    SharedWrite,
};

// An open device; closing happens when the object is destroyed.
class DeviceHandle {
public:
    virtual ~DeviceHandle() = default;
    // The IEEE 1284 device-ID request (I/O control 0x0016000C, no input).
    // Writes at most out.size() bytes into `out`; false when the request fails.
    virtual bool requestDeviceId(std::span<std::uint8_t> out, std::size_t& returned) = 0;
    // One synchronous write; the number of bytes the device accepted.
    virtual std::size_t write(std::span<const std::uint8_t> bytes) = 0;
    // One synchronous read of at most into.size() bytes; 0 when nothing came
    // or the read failed.
    virtual std::size_t read(std::span<std::uint8_t> into) = 0;
};

class DeviceBus {
public:
    virtual ~DeviceBus() = default;
    // Present interfaces of the USB printer class ({28D78FAD-5A12-11D1-AE5B-0000F803A8C2}).
    virtual PrinterInterfaceList listPrinterInterfaces() = 0;
    // nullptr when the path cannot be opened.
    virtual std::unique_ptr<DeviceHandle> open(const std::string& path, OpenMode mode) = 0;
};

// The bus the program talks to: the one installed with setDeviceBus, else the
// platform's own.
DeviceBus& deviceBus();
// Installs `bus` (not owned; it must outlive its use). nullptr restores the
// platform's bus.
void setDeviceBus(DeviceBus* bus);
// The platform's real bus. A build without USB printer support has a bus
// without interfaces.
DeviceBus& platformDeviceBus();

}  // namespace os
