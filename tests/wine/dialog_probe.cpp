#include "dialog_probe.h"

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

std::optional<std::string> DialogProbe::text(int id) const { return WindowText(control(id)); }

void DialogProbe::click(int id) const { PostMessageW(control(id), BM_CLICK, 0, 0); }

void DialogProbe::command(int id) const {
    PostMessageW(m_dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control(id)));
}

std::optional<std::string> MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, kMessageBoxTextId)); }

}  // namespace e2e
