#include "ui/win32/tray_icon.h"

#include <cstring>
#include <string>

#include "os/win32/wide.h"
#include "os/win32/windows_api.h"

namespace ui::win32 {

namespace {

// The record's layout is the 32-bit one; each platform's own first layout is
// what its shell expects, and on i686 the two are the same bytes.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(NOTIFYICONDATAA_V1_SIZE == kTrayRecordSizeV1);
#endif

// The tip is UTF-8 in the program and in the system's ANSI code page in the
// record; converting (rather than copying bytes) keeps non-ASCII names readable.
// Cut at a character boundary so that the terminator still fits.
std::string AnsiTip(const std::string& utf8) {
    std::wstring wide = os::win32::ToWide(utf8);
    constexpr int kCapacity = static_cast<int>(kTrayTipBytes) - 1;
    while (!wide.empty()) {
        const int need =
            ::WideCharToMultiByte(CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr, nullptr);
        if (need > 0 && need <= kCapacity) {
            std::string out(static_cast<std::size_t>(need), '\0');
            ::WideCharToMultiByte(
                CP_ACP, 0, wide.data(), static_cast<int>(wide.size()), out.data(), need, nullptr, nullptr);
            return out;
        }
        wide.pop_back();
        if (!wide.empty() && IS_HIGH_SURROGATE(wide.back())) wide.pop_back();
    }
    return {};
}

NOTIFYICONDATAA BaseRecord(HWND owner, unsigned id) {
    NOTIFYICONDATAA data;
    std::memset(&data, 0, sizeof data);
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = id;
    return data;
}

}  // namespace

bool TrayIcon::add(const TrayIconRecord& record) {
    NOTIFYICONDATAA data = BaseRecord(m_owner, m_id);
    data.uFlags = record.flags;
    data.uCallbackMessage = record.callbackMessage;
    data.hIcon = m_icon.get();
    const std::string tip = AnsiTip(record.tipText());
    std::memcpy(data.szTip, tip.data(), tip.size());  // the rest stays zero
    const bool ok = ::Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
    m_added = m_added || ok;
    return ok;
}

bool TrayIcon::remove() {
    NOTIFYICONDATAA data = BaseRecord(m_owner, m_id);
    m_added = false;
    return ::Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

}  // namespace ui::win32
