// Modal runs on real windows: ended early or by the keys and the close box,
// nested, and left by a handler's exception, also while a message box is open.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "backend_test_resource.h"
#include "scripted_dialog.h"

namespace w32test {
namespace {

constexpr unsigned kTick = 1;
constexpr unsigned kAct = 2;
constexpr int kNoSuchTemplate = 7099;

TEST(ModalRun, TemplateThatCannotBeCreatedGivesMinusOne) {
    ScriptedDialog missing(kNoSuchTemplate);
    EXPECT_EQ(missing.DoModal(), -1);
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

// The owner's timers go on under a nested run of our own, and the run's result reaches its caller.
TEST(ModalRun, NestedRunReturnsItsResultWhileTheOwnerTicks) {
    ScriptedDialog owner(IDD_BT_SMALL);
    int ticksUnderChild = 0;
    int childResult = 0;
    owner.onInit = [](ScriptedDialog& d) { d.SetTimer(kAct, 1); };
    owner.onTimer = [&](ScriptedDialog& d, unsigned id) {
        if (id == kTick) {
            ++ticksUnderChild;
            return;
        }
        d.KillTimer(kAct);
        d.SetTimer(kTick, 10);
        ScriptedDialog child(IDD_BT_SMALL, &d);
        child.onInit = [](ScriptedDialog& c) { c.SetTimer(kAct, 300); };
        child.onTimer = [](ScriptedDialog& c, unsigned) { c.EndDialog(IDRETRY); };
        childResult = child.DoModal();
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(owner.DoModal(), IDOK);
    EXPECT_EQ(childResult, IDRETRY);
    EXPECT_GE(ticksUnderChild, 3);
}

TEST(ModalRun, MessageBoxGivesItsAnswerToTheCaller) {
    ScriptedDialog dlg(IDD_BT_SMALL);
    int answer = 0;
    dlg.onInit = [](ScriptedDialog& d) { d.SetTimer(kAct, 1); };
    dlg.onTimer = [&](ScriptedDialog& d, unsigned id) {
        if (id == kTick) {
            ::PostMessageW(::FindWindowW(L"#32770", L"Box"), WM_COMMAND, IDCANCEL, 0);
            return;
        }
        d.KillTimer(kAct);
        d.SetTimer(kTick, 20);
        answer = ui::MessageBox("text", "Box", MB_OKCANCEL);
        d.EndDialog(IDOK);
    };
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(answer, IDCANCEL);
}

struct Ending {
    const char* name;
    UINT msg;
    WPARAM wParam;
    int result;
};

class EndingByHand : public testing::TestWithParam<Ending> {};

// Keys go through the run's dialog-message translation, the close box through the system command.
TEST_P(EndingByHand, EndsTheRunWithItsResult) {
    const Ending& e = GetParam();
    ScriptedDialog dlg(IDD_BT_SMALL);
    dlg.onInit = [](ScriptedDialog& d) { d.SetTimer(kAct, 1); };
    dlg.onTimer = [&e](ScriptedDialog& d, unsigned) {
        d.KillTimer(kAct);
        ::PostMessageW(d.hwnd(), e.msg, e.wParam, 0);
    };
    EXPECT_EQ(dlg.DoModal(), e.result);
}

INSTANTIATE_TEST_SUITE_P(Win32, EndingByHand,
                         testing::Values(Ending{"Escape", WM_KEYDOWN, VK_ESCAPE, IDCANCEL},
                                         Ending{"Enter", WM_KEYDOWN, VK_RETURN, IDOK},
                                         Ending{"CloseBox", WM_SYSCOMMAND, SC_CLOSE, IDCANCEL}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace w32test
