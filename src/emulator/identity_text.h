// The device ID and interface path of an emulated printer.
#pragma once

#include <string>
#include <string_view>

namespace emulator {

struct PrinterIdentity {
    std::string mfg = "brenlato";
    std::string mdl = "zev";
    std::string serial;
    std::string description = "brenlato zev";
    std::string vendorId = "7a51";  // four hex digits of the USB vendor
    std::string path;               // empty: DefaultInterfacePath
};

// "MFG:...;MDL:...;CMD:PJL,PCL;CLS:PRINTER;DES:...;SN:...;S:<status>;"
std::string BuildDeviceId(const PrinterIdentity& identity, std::string_view statusValue);

// \\?\usb#vid_<vvvv>&pid_6004#<serial>#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}
std::string DefaultInterfacePath(std::string_view vendorId, std::string_view serial);

// The path the printer is listed under.
std::string InterfacePathOf(const PrinterIdentity& identity);

}  // namespace emulator
