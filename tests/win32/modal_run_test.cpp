// Modal runs on real windows: ended early, and left by a handler's exception,
// also while a message box is open. The keys are the end-to-end fixture's.
#include <gtest/gtest.h>

#include <stdexcept>

#include "backend_test_resource.h"
#include "scripted_dialog.h"

namespace w32test {
namespace {

constexpr unsigned kTick = 1;
constexpr unsigned kAct = 2;

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
            ::PostMessageW(::FindWindowW(L"#32770", L"Box"), WM_COMMAND, IDCANCEL, 0);
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
