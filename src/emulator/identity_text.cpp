#include "emulator/identity_text.h"

namespace emulator {

std::string BuildDeviceId(const PrinterIdentity& identity, std::string_view statusValue) {
    std::string id;
    id.append("MFG:").append(identity.mfg).append(";MDL:").append(identity.mdl);
    id.append(";CMD:PJL,PCL;CLS:PRINTER;DES:").append(identity.description);
    id.append(";SN:").append(identity.serial).append(";S:").append(statusValue).append(";");
    return id;
}

std::string DefaultInterfacePath(std::string_view vendorId, std::string_view serial) {
    std::string path = "\\\\?\\usb#vid_";
    path.append(vendorId).append("&pid_6004#").append(serial);
    path.append("#{28d78fad-5a12-11d1-ae5b-0000f803a8c2}");
    return path;
}

std::string InterfacePathOf(const PrinterIdentity& identity) {
    return identity.path.empty() ? DefaultInterfacePath(identity.vendorId, identity.serial) : identity.path;
}

}  // namespace emulator
