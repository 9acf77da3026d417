#include "dialog_probe.h"

#include <cstdlib>

#include "wide_text.h"

namespace e2e {
namespace {

constexpr UINT kAnswerTimeoutMs = 5000;
constexpr int kMessageBoxTextId = 0xFFFF;  // the static holding a message box's text

std::optional<LRESULT> Ask(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    if (!hwnd) return std::nullopt;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutW(hwnd, msg, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer)) {
        return std::nullopt;
    }
    return static_cast<LRESULT>(answer);
}

}  // namespace

std::optional<std::string> WindowText(HWND hwnd) {
    const auto length = Ask(hwnd, WM_GETTEXTLENGTH);
    if (!length) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
    const auto copied = Ask(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    if (!copied) return std::nullopt;
    text.resize(static_cast<std::size_t>(*copied));
    return ToUtf8(text);
}

std::string DialogProbe::caption() const { return WindowText(m_dialog).value_or(""); }

std::optional<std::string> DialogProbe::text(int id) const { return WindowText(control(id)); }

std::optional<long> DialogProbe::number(int id) const {
    const auto t = text(id);
    if (!t || t->empty()) return std::nullopt;
    char* end = nullptr;
    const long value = std::strtol(t->c_str(), &end, 10);
    if (*end != '\0') return std::nullopt;
    return value;
}

std::optional<int> DialogProbe::comboSelection(int id) const {
    const auto n = Ask(control(id), CB_GETCURSEL);
    if (!n) return std::nullopt;
    return static_cast<int>(*n);
}

std::optional<std::string> DialogProbe::comboEntry(int id, int index) const {
    const auto length = Ask(control(id), CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (!length || *length == CB_ERR) return std::nullopt;
    std::wstring text(static_cast<std::size_t>(*length) + 1, L'\0');
    const auto copied =
        Ask(control(id), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (!copied || *copied == CB_ERR) return std::nullopt;
    text.resize(static_cast<std::size_t>(*copied));
    return ToUtf8(text);
}

void DialogProbe::click(int id) const { PostMessageW(control(id), BM_CLICK, 0, 0); }

void DialogProbe::command(int id) const {
    PostMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
}

void DialogProbe::typeChar(int id, wchar_t ch) const { PostMessageW(control(id), WM_CHAR, ch, 1); }

void DialogProbe::pressKey(UINT virtualKey) const {
    // Keys go to the focused window; the dialog's message loop turns Esc and
    // Enter into IDCANCEL and the default button, exactly as for a real key.
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    const DWORD thread = GetWindowThreadProcessId(m_dialog, nullptr);
    HWND target = m_dialog;
    if (GetGUIThreadInfo(thread, &info) && info.hwndFocus &&
        (info.hwndFocus == m_dialog || IsChild(m_dialog, info.hwndFocus))) {
        target = info.hwndFocus;
    }
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(target, WM_KEYDOWN, virtualKey, static_cast<LPARAM>(1 | (scan << 16)));
    PostMessageW(target, WM_KEYUP, virtualKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

void DialogProbe::close() const { PostMessageW(m_dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::optional<std::string> MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, kMessageBoxTextId)); }

}  // namespace e2e
