#include "cli/discovery.h"

#include "os/device_bus.h"
#include "printer/device_id.h"
#include "printer/device_path.h"
#include "printer/identity.h"

namespace cli {

CandidateTest InterfacePathCandidates() { return printer::IsCandidatePath; }

CandidateTest EveryListedPath() {
    return [](std::string_view) { return true; };
}

bool NamesAnotherPrinter(std::string_view cachedId) {
    const printer::Identity identity = printer::IdentityOf(cachedId);
    return identity == printer::Identity::MfgMismatch || identity == printer::Identity::MdlMismatch;
}

std::vector<FoundPrinter> FindZevPrinters(const CandidateTest& isCandidate) {
    std::vector<FoundPrinter> found;
    for (const os::PrinterInterface& entry : os::deviceBus().listPrinterInterfaces().interfaces) {
        if (entry.kind == os::PrinterInterface::Kind::DetailUnavailable) break;
        if (entry.kind != os::PrinterInterface::Kind::Path || !isCandidate(entry.path)) continue;
        auto deviceId = printer::ReadDeviceId(entry.path);
        if (!deviceId || printer::IdentityOf(*deviceId) != printer::Identity::Zev) continue;
        found.push_back({entry.path, std::move(*deviceId)});
    }
    return found;
}

}  // namespace cli
