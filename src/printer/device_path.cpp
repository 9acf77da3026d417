#include "printer/device_path.h"

#include "printer/ascii_case.h"
#include "printer/fehler_message.h"
#include "printer/id_value.h"

namespace printer {

bool IsCandidatePath(std::string_view interfacePath) {
    return FitsField(interfacePath, kCandidatePathFieldSize) &&
           interfacePath.find("pid_6004") != std::string_view::npos;
}

RebuiltPath RebuildPathFromLog(std::string_view pathLog, std::string_view serial) {
    const IdValue vendorProduct = ExtractDelimited(pathLog, "usb#", "#");
    const IdValue interfaceClass = ExtractDelimited(pathLog, "#{", "}");
    RebuiltPath result;
    result.missingParts = int{vendorProduct.reportsFehler()} + int{interfaceClass.reportsFehler()};
    if (!vendorProduct.found() || !interfaceClass.found() || serial.empty()) return result;

    std::string path = "\\\\?\\usb#";
    path.append(vendorProduct.text).append("#").append(AsciiUpper(serial));
    path.append("#{").append(interfaceClass.text).append("}");
    if (path.size() > kMaxDevicePathChars) path.resize(kMaxDevicePathChars);
    result.path = std::move(path);
    return result;
}

std::optional<std::string> RebuildDevicePath(std::string_view pathLog, std::string_view serial) {
    RebuiltPath result = RebuildPathFromLog(pathLog, serial);
    for (int i = 0; i < result.missingParts; ++i) ShowFehler();
    return std::move(result.path);
}

void AppendToPathLog(std::string& pathLog, std::string_view path) {
    if (pathLog.find(path) != std::string::npos) return;
    if (!pathLog.empty() && pathLog.size() + path.size() > kMaxPathLogChars) return;
    pathLog += path;
}

}  // namespace printer
