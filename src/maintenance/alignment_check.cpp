#include "maintenance/alignment_check.h"

#include "printer/device_check.h"
#include "printer/fehler_message.h"
#include "printer/id_value.h"
#include "status/status_field.h"
#include "status/status_readers.h"
#include "ui/dialog.h"

namespace maintenance {

std::optional<int> ReadAlignmentState(const std::string& devicePath) {
    const std::optional<std::string> deviceId = printer::ReadZevDeviceId(devicePath);
    if (!deviceId) return std::nullopt;
    const printer::IdValue key = printer::ExtractIdValue(*deviceId, printer::kKeyStatus);
    if (key.reportsFehler()) {
        printer::ShowFehler();
        return std::nullopt;
    }
    const std::optional<std::string> value = status::statusValue(*deviceId);
    if (!value) return std::nullopt;
    if (value->size() < status::kMinValidStatusChars) ui::MessageBox("invalid status string", "error", ui::MB_OK);
    return status::readState(*value);
}

}  // namespace maintenance
