// Windows messages reaching the Dialog overridables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "backend_test_resource.h"
#include "os/win32/wide.h"
#include "scripted_dialog.h"
#include "ui/app.h"
#include "ui/menu.h"

namespace w32test {
namespace {

// Runs `body` on the controls dialog once it is up, then ends the run.
void WithControls(ScriptedDialog& dlg, const std::function<void(ScriptedDialog&)>& body) {
    dlg.onInit = [](ScriptedDialog& d) { d.SetTimer(1, 1); };
    dlg.onTimer = [&body](ScriptedDialog& d, unsigned) {
        d.KillTimer(1);
        body(d);
        d.EndDialog(IDOK);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
}

struct ScrollCase {
    const char* name;
    UINT msg;
    int code;
    short pos;
    bool horizontal;
};

class ScrollRouting : public testing::TestWithParam<ScrollCase> {};

TEST_P(ScrollRouting, ControlScrollMessagesCarryIdCodeAndSignedPosition) {
    const ScrollCase& c = GetParam();
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    WithControls(dlg, [&](ScriptedDialog& d) {
        ::SendMessageW(d.hwnd(),
                       c.msg,
                       MAKEWPARAM(c.code, static_cast<WORD>(c.pos)),
                       reinterpret_cast<LPARAM>(d.item(IDC_BT_SPIN)));
    });
    EXPECT_EQ(dlg.scrolls, (std::vector<Scroll>{{IDC_BT_SPIN, c.code, c.pos, c.horizontal}}));
}

INSTANTIATE_TEST_SUITE_P(Win32, ScrollRouting,
                         testing::Values(ScrollCase{"Vertical", WM_VSCROLL, SB_THUMBPOSITION, 17, false},
                                         ScrollCase{"Horizontal", WM_HSCROLL, SB_ENDSCROLL, 595, true},
                                         ScrollCase{"Negative", WM_VSCROLL, SB_THUMBPOSITION, -3, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Routing, ClickOnTheUpDownArrowReportsTheNewPosition) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    WithControls(dlg, [](ScriptedDialog& d) {
        d.SpinSetRange(IDC_BT_SPIN, 0, 10);
        d.SpinSetPos(IDC_BT_SPIN, 4);
        RECT r;
        ::GetClientRect(d.item(IDC_BT_SPIN), &r);
        const LPARAM upperHalf = MAKELPARAM(r.right / 2, r.bottom / 4);
        ::SendMessageW(d.item(IDC_BT_SPIN), WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        ::SendMessageW(d.item(IDC_BT_SPIN), WM_LBUTTONUP, 0, upperHalf);
    });
    ASSERT_FALSE(dlg.scrolls.empty());
    EXPECT_EQ(dlg.scrolls.front(), (Scroll{IDC_BT_SPIN, SB_THUMBPOSITION, 5, false}));
}

TEST(Routing, EditChangesReachOnCommandWithTheirCode) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    WithControls(dlg, [](ScriptedDialog& d) {
        d.commands.clear();
        d.SetDlgItemText(IDC_BT_EDIT, "abc");
        ::SendMessageW(d.item(IDC_BT_EDIT), WM_CHAR, L'x', 1);
    });
    EXPECT_EQ(std::count(dlg.commands.begin(), dlg.commands.end(), Command{IDC_BT_EDIT, EN_CHANGE}), 2);
}

// Sorted: apple, Banana, banjo, Cherry. The search starts after the given entry and wraps to the top.
TEST(Controls, ComboSelectsThePrefixAfterTheStartEntry) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    int afterBanana = 0, wrapped = 0, selected = 0;
    WithControls(dlg, [&](ScriptedDialog& d) {
        for (const char* fruit : {"Cherry", "apple", "Banana", "banjo"}) d.ComboAddString(IDC_BT_COMBO, fruit);
        afterBanana = d.ComboSelectString(IDC_BT_COMBO, 1, "ban");
        wrapped = d.ComboSelectString(IDC_BT_COMBO, 2, "A");
        selected = d.ComboGetCurSel(IDC_BT_COMBO);
    });
    EXPECT_EQ(afterBanana, 2);
    EXPECT_EQ(wrapped, 0);
    EXPECT_EQ(selected, 0);
}

struct ColourCase {
    const char* name;
    UINT msg;
    int control;  // 0: the dialog itself
};

class ColourRouting : public testing::TestWithParam<ColourCase> {};

TEST_P(ColourRouting, DecisionIsAppliedToTheDeviceContextWithAWindowOwnedBrush) {
    const ColourCase& c = GetParam();
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    dlg.colour = {RGB(200, 0, 0), true, RGB(255, 255, 255), false};
    HBRUSH first = nullptr, second = nullptr;
    COLORREF text = 0, brushColour = 0;
    int mode = 0;
    WithControls(dlg, [&](ScriptedDialog& d) {
        HWND from = c.control ? d.item(c.control) : d.hwnd();
        HDC dc = ::CreateCompatibleDC(nullptr);
        d.colourRequests.clear();
        first = reinterpret_cast<HBRUSH>(
            ::SendMessageW(d.hwnd(), c.msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(from)));
        second = reinterpret_cast<HBRUSH>(
            ::SendMessageW(d.hwnd(), c.msg, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(from)));
        text = ::GetTextColor(dc);
        mode = ::GetBkMode(dc);
        LOGBRUSH lb{};
        ::GetObjectW(first, sizeof lb, &lb);
        brushColour = lb.lbColor;
        ::DeleteDC(dc);
    });
    EXPECT_EQ(dlg.colourRequests, (std::vector<int>{c.control, c.control}));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_EQ(text, RGB(200, 0, 0));
    EXPECT_EQ(mode, TRANSPARENT);
    EXPECT_EQ(brushColour, RGB(255, 255, 255));
}

INSTANTIATE_TEST_SUITE_P(Win32, ColourRouting,
                         testing::Values(ColourCase{"Dialog", WM_CTLCOLORDLG, 0},
                                         ColourCase{"Static", WM_CTLCOLORSTATIC, IDC_BT_UMLAUT},
                                         ColourCase{"Edit", WM_CTLCOLOREDIT, IDC_BT_EDIT},
                                         ColourCase{"Button", WM_CTLCOLORBTN, IDOK}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Routing, DefaultColourLeavesThePaintingToTheSystem) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    LRESULT answer = 1;
    WithControls(dlg, [&](ScriptedDialog& d) {
        HDC dc = ::CreateCompatibleDC(nullptr);
        answer = ::SendMessageW(
            d.hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(d.item(IDC_BT_UMLAUT)));
        ::DeleteDC(dc);
    });
    EXPECT_EQ(answer, reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE)));  // the dialog manager's own
}

TEST(Routing, RegisteredAndUserMessagesReachOnMessageWithTheirResult) {
    ScriptedDialog dlg(IDD_BT_SMALL);
    const UINT registered = ui::RegisterWindowMessage("ZevBackendTestMessage");
    std::vector<unsigned> seen;
    dlg.onMessage = [&](unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
        if (msg != registered && msg != WM_USER + 100) return false;
        seen.push_back(msg);
        result = static_cast<std::intptr_t>(wParam) + lParam;
        return true;
    };
    LRESULT a = 0, b = 0, unhandled = -1;
    WithControls(dlg, [&](ScriptedDialog& d) {
        a = ::SendMessageW(d.hwnd(), registered, 40, 2);
        b = ::SendMessageW(d.hwnd(), WM_USER + 100, 1, 0x204);
        unhandled = ::SendMessageW(d.hwnd(), WM_USER + 101, 1, 1);
    });
    EXPECT_NE(registered, 0u);
    EXPECT_EQ(seen, (std::vector<unsigned>{registered, WM_USER + 100}));
    EXPECT_EQ(a, 42);
    EXPECT_EQ(b, 0x205);
    EXPECT_EQ(unhandled, 0);
}

TEST(Routing, MouseMoveOverAControlAsksForItsCursorBeforeDispatch) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    dlg.cursorForLink = IDC_BT_CURSOR;
    HCURSOR shown = nullptr;
    dlg.onInit = [](ScriptedDialog& d) {
        // The real pointer goes over the link too: wherever it rests, the
        // system sets that window's cursor when the dialog appears under it.
        RECT link{};
        ::GetWindowRect(d.item(IDC_BT_LINK), &link);
        ::SetCursorPos(link.left + 2, link.top + 2);
        ::PostMessageW(d.item(IDC_BT_LINK), WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        d.SetTimer(1, 1);
    };
    dlg.onTimer = [&](ScriptedDialog& d, unsigned) {
        d.KillTimer(1);
        shown = ::GetCursor();
        d.EndDialog(IDOK);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
    ASSERT_FALSE(dlg.cursorRequests.empty());
    EXPECT_EQ(dlg.cursorRequests.front(), IDC_BT_LINK);
    EXPECT_EQ(shown, ::LoadCursorW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_BT_CURSOR)));
}

// F1 arrives as WM_HELP at the window with the focus; the framework turns it
// into the help command of the application's main window.
class HelpKeyApp : public ui::WinApp {
public:
    bool InitInstance() override {
        ScriptedDialog main(IDD_BT_SMALL);
        m_pMainWnd = &main;
        WithControls(main, [](ScriptedDialog& d) {
            ScriptedDialog popup(IDD_BT_SMALL, &d);
            popup.onInit = [](ScriptedDialog& p) {
                HELPINFO info{};
                info.cbSize = sizeof info;
                ::SendMessageW(p.hwnd(), WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
                p.EndDialog(IDOK);
            };
            popup.DoModal();
        });
        commands = main.commands;
        m_pMainWnd = nullptr;
        return false;
    }
    std::vector<Command> commands;
};

TEST(Routing, HelpKeyBecomesTheMainWindowsHelpCommand) {
    HelpKeyApp app;
    ui::RunApplication(app);
    EXPECT_EQ(app.commands, (std::vector<Command>{{0xE146, 0}}));
}

}  // namespace
}  // namespace w32test
