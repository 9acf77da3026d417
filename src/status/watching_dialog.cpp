#include "status/watching_dialog.h"

#include <optional>

#include "printer/device_id.h"
#include "printer/id_value.h"
#include "printer/identity.h"
#include "status/status_field.h"

namespace status {

bool WatchingDialog::OnInitDialog() {
    refresh();
    return true;
}

void WatchingDialog::OnTimer(unsigned id) {
    (void)id;
    refresh();
}

void WatchingDialog::closeWith(int result) {
    stopWatching();
    EndDialog(result);
}

void WatchingDialog::tell(std::string_view text, std::string_view caption) {
    m_messageOpen = true;
    ui::MessageBox(text, caption, ui::MB_OK);
    m_messageOpen = false;
}

void WatchingDialog::refresh() {
    // A tick that arrives while this window's box is open waits for the answer:
    // the window neither repeats the box nor closes underneath it.
    if (m_messageOpen) return;
    SetTimer(kWatchTimer, kWatchInterval);

    const std::optional<std::string> deviceId = printer::ReadDeviceId(m_strDevicePath);
    if (!deviceId) return;  // unplugged or not answering: try again next tick

    const printer::Identity identity = printer::IdentityOf(*deviceId);
    if (identity == printer::Identity::MfgMissing || identity == printer::Identity::MdlMissing) tell("fehler", "tq");
    if (identity != printer::Identity::Zev) return;
    onIdentified();

    const printer::IdValue raw = printer::ExtractIdValue(*deviceId, printer::kKeyStatus);
    if (raw.reportsFehler()) {
        tell("fehler", "tq");
    } else if (!raw.found() || raw.text.size() < kMinValidStatusChars) {
        tell("invalid status string", "error");
    }
    onStatusValue(statusValue(*deviceId).value_or(std::string()));
}

}  // namespace status
