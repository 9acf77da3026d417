// The real program under Wine against an emulated printer: the way in through
// the notification area, the status in the real window, and the language
// switch by a click on a flag, remembered in data.txt.
#include <gtest/gtest.h>

#include "poll.h"
#include "screenshot.h"
#include "user_input.h"
#include "window_finder.h"
#include "zev_status_fixture.h"

#include "res/resource.h"

namespace e2e {
namespace {

constexpr const char* kReadyPrinter = "printer A1 state=0 activity=0 cover=8 pen1=1:80 pen2=2:60\n";
constexpr DWORD kScenarioStepMs = 25000;  // longer than any gap between the scenario's changes

using ZevStatusApp = ZevStatusTest;

std::optional<std::string> Text(const std::string& s) { return s; }

TEST_F(ZevStatusApp, StaysHiddenUntilZevToolboxIsChosenFromTheTrayIcon) {
    ASSERT_NO_FATAL_FAILURE(startWithScenario(kReadyPrinter));
    EXPECT_FALSE(mainWindow().visible()) << "the main window showed before \"ZEV Toolbox\"";

    ASSERT_NO_FATAL_FAILURE(openMainWindowFromTrayMenu("zevstatus-tray-menu"));
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_STATUS_LINE) == Text("Leerlauf"); }))
        << "status line: " << mainWindow().text(IDC_STATUS_LINE).value_or("(none)");
    EXPECT_EQ(mainWindow().text(IDC_PEN1_LEVEL), Text("80%"));
    EXPECT_EQ(mainWindow().text(IDC_PEN2_LEVEL), Text("60%"));
    EXPECT_TRUE(SaveScreenshot("zevstatus-main-german"));

    // Cancel only hides the window; the icon stays, and now a double-click on it shows the window again.
    mainWindow().click(IDCANCEL);
    ASSERT_TRUE(WaitForWindowGone(mainWindow().hwnd()));
    ASSERT_TRUE(mainWindow().exists());
    ClickAt(trayIcon(), MouseButton::Left, 2);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().visible(); })) << "the double-click did not show the window";
}

TEST_F(ZevStatusApp, FlagsSwitchTheLanguageAndRememberItInDataTxt) {
    ASSERT_NO_FATAL_FAILURE(startWithScenario(kReadyPrinter, "1 0"));
    ASSERT_NO_FATAL_FAILURE(openMainWindowFromTrayMenu());

    // A click on the picture itself: the flag must notify its clicks.
    const auto clickFlag = [&](int id) {
        const HWND flag = GetDlgItem(mainWindow().hwnd(), id);
        PostMessageW(flag, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(flag, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };

    clickFlag(IDC_FLAG_EN);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_STATUS_GROUP) == Text("Current Status"); }));
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_STATUS_LINE) == Text("Idle"); }))
        << "status line: " << mainWindow().text(IDC_STATUS_LINE).value_or("(none)");
    EXPECT_EQ(ReadWholeFile(programFile(L"data.txt")), Text("1 1"));
    EXPECT_TRUE(SaveScreenshot("zevstatus-main-english"));

    clickFlag(IDC_FLAG_DE);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_INK_GROUP) == Text("Tintenfüllstand"); }));
    EXPECT_EQ(ReadWholeFile(programFile(L"data.txt")), Text("1 0"));
}

}  // namespace
}  // namespace e2e
