// Modal runs on real windows: results, keys, nesting, and messages of other
// windows while a popup or a message box is open.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "backend_test_resource.h"
#include "scripted_dialog.h"

namespace w32test {
namespace {

constexpr unsigned kTick = 1;
constexpr unsigned kAct = 2;

struct KeyCase {
    const char* name;
    int templateId;
    int target;  // the control with the focus
    WPARAM key;
    int expected;
};

class ModalKeys : public testing::TestWithParam<KeyCase> {};

// Posted input goes through our loop's dialog-key handling, like typed keys;
// the end-to-end fixture covers the keys on the window itself, these the
// keys an edit with the focus must not swallow.
TEST_P(ModalKeys, EndTheRunWithTheDialogManagersCommand) {
    const KeyCase& c = GetParam();
    ScriptedDialog dlg(c.templateId);
    dlg.onInit = [&](ScriptedDialog& d) { ::PostMessageW(d.item(c.target), WM_KEYDOWN, c.key, 0); };
    EXPECT_EQ(dlg.DoModal(), c.expected);
    EXPECT_FALSE(dlg.timedOut);
}

INSTANTIATE_TEST_SUITE_P(
    Win32, ModalKeys,
    testing::Values(KeyCase{"EscInEdit", IDD_BT_CONTROLS, IDC_BT_EDIT, VK_ESCAPE, IDCANCEL},
                    KeyCase{"EnterInEditPressesDefault", IDD_BT_CONTROLS, IDC_BT_EDIT, VK_RETURN, IDOK}),
    [](const auto& info) { return std::string(info.param.name); });

BOOL CALLBACK CancelBoxWithCaption(HWND hwnd, LPARAM caption) {
    wchar_t text[64] = {};
    ::GetWindowTextW(hwnd, text, 64);
    if (std::wstring(text) != reinterpret_cast<const wchar_t*>(caption) || !::IsWindowVisible(hwnd)) return TRUE;
    ::PostMessageW(hwnd, WM_COMMAND, IDCANCEL, 0);
    return FALSE;
}

TEST(ModalRun, EndedDuringInitialisationNeverShows) {
    ScriptedDialog dlg(IDD_BT_SMALL);
    dlg.onInit = [](ScriptedDialog& d) { d.EndDialog(IDCANCEL); };
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_FALSE(dlg.sawShowFlag);
}

TEST(ModalRun, HandlerExceptionLeavesTheRunAndTheNextRunWorks) {
    ScriptedDialog failing(IDD_BT_SMALL);
    failing.onInit = [](ScriptedDialog& d) { d.SetTimer(kAct, 1); };
    failing.onTimer = [](ScriptedDialog&, unsigned) { throw std::runtime_error("handler failed"); };
    EXPECT_THROW(failing.DoModal(), std::runtime_error);
    EXPECT_FALSE(failing.hasWindow());

    ScriptedDialog next(IDD_BT_SMALL);
    next.onInit = [](ScriptedDialog& d) { d.EndDialog(IDOK); };
    EXPECT_EQ(next.DoModal(), IDOK);
}

TEST(ModalRun, HandlerExceptionDuringAMessageBoxFailsTheBoxsCaller) {
    ScriptedDialog dlg(IDD_BT_SMALL);
    bool boxOpen = false;
    bool callerContinued = false;
    dlg.onInit = [](ScriptedDialog& d) {
        d.SetTimer(kTick, 20);
        d.SetTimer(kAct, 1);
    };
    dlg.onTimer = [&](ScriptedDialog& d, unsigned id) {
        if (id == kTick && boxOpen) {
            d.KillTimer(kTick);
            ::EnumThreadWindows(::GetCurrentThreadId(), CancelBoxWithCaption, reinterpret_cast<LPARAM>(L"Box"));
            throw std::runtime_error("timer failed under the box");
        }
        if (id != kAct) return;
        d.KillTimer(kAct);
        boxOpen = true;
        ui::MessageBox("text", "Box", MB_OK);
        callerContinued = true;
    };
    EXPECT_THROW(dlg.DoModal(), std::runtime_error);
    EXPECT_FALSE(callerContinued);
}

}  // namespace
}  // namespace w32test
