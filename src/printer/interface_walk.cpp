#include "printer/interface_walk.h"

#include "os/device_bus.h"
#include "printer/device_path.h"
#include "ui/dialog.h"

namespace printer {

WalkEnd WalkPrinterInterfaces(const std::function<void(const std::string& interfacePath)>& onCandidate) {
    const os::PrinterInterfaceList list = os::deviceBus().listPrinterInterfaces();
    if (list.status == os::PrinterInterfaceList::SetStatus::Invalid) {
        ui::MessageBox("invalid HANDLE", "ERROR", ui::MB_OK);
        return WalkEnd::NoInterface;
    }
    if (list.status == os::PrinterInterfaceList::SetStatus::NoInterface || list.interfaces.empty())
        return WalkEnd::NoInterface;

    for (const os::PrinterInterface& entry : list.interfaces) {
        switch (entry.kind) {
            case os::PrinterInterface::Kind::DetailUnavailable:
                ui::MessageBox("no interface detail data found", "ERROR", ui::MB_OK);
                return WalkEnd::DetailFailed;
            case os::PrinterInterface::Kind::DetailTooLarge: break;
            case os::PrinterInterface::Kind::Path:
                if (IsCandidatePath(entry.path)) onCandidate(entry.path);
                break;
        }
    }
    return WalkEnd::Completed;
}

}  // namespace printer
