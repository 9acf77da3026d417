// The fixture windows on the real Win32 backend: the same behaviours the
// headless suite checks, seen from outside through real windows under Wine.
#include <gtest/gtest.h>

#include "app_under_test.h"
#include "fixture/fixture_resource.h"
#include "screenshot.h"
#include "window_finder.h"

namespace e2e {
namespace {

using Text = std::optional<std::string>;

class FixtureApp : public AppUnderTest {
protected:
    FixtureApp() : AppUnderTest(L"fixture_app.exe", "Fixture parent") {}

    long counter() const { return mainWindow().number(IDC_FX_COUNTER).value_or(-1); }
    // True when the parent's timer ticks at least `ticks` times while `window` stays open.
    bool counterAdvancesWhileOpen(HWND window, long ticks) const {
        const long from = counter();
        if (from < 0) return false;
        return PollUntil([&] { return counter() >= from + ticks; }) && IsWindow(window);
    }
};

TEST_F(FixtureApp, SortedComboFindsPrefixByWrappingToTheTop) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    EXPECT_EQ(mainWindow().comboEntry(IDC_FX_COMBO, 0), Text("apple"));
    EXPECT_EQ(mainWindow().comboEntry(IDC_FX_COMBO, 1), Text("Banana"));
    EXPECT_EQ(mainWindow().comboEntry(IDC_FX_COMBO, 2), Text("Cherry"));
    EXPECT_EQ(mainWindow().comboEntry(IDC_FX_COMBO, 3), std::nullopt);
    EXPECT_EQ(mainWindow().text(IDC_FX_COMBOSEL), Text("0"));
    EXPECT_EQ(mainWindow().comboSelection(IDC_FX_COMBO), std::optional<int>(0));
}

TEST_F(FixtureApp, SettingAnEditsTextRaisesItsChangeNotification) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    mainWindow().click(IDC_FX_SETTEXT);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_EDIT) == Text("abc"); }));
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_CHANGES) == Text("1"); }));
    mainWindow().typeChar(IDC_FX_EDIT, L'x');
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_CHANGES) == Text("2"); }));
}

TEST_F(FixtureApp, ChildClosesOnItsOwnTimerWhileParentKeepsCounting) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    mainWindow().click(IDC_FX_POPUP);
    HWND child = waitForWindow("Fixture child");
    ASSERT_NE(child, nullptr) << "the child popup did not open";
    SaveScreenshot("fixture-child");
    EXPECT_TRUE(counterAdvancesWhileOpen(child, 1)) << "the parent's timer stood still under the popup";
    EXPECT_TRUE(WaitForWindowGone(child, 5000)) << "the child did not close itself";
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_RESULT) == Text("1"); }));
}

struct MessageBoxAnswer {
    const char* name;
    int button;
    const char* result;
};

class FixtureMessageBox : public FixtureApp, public testing::WithParamInterface<MessageBoxAnswer> {};

TEST_P(FixtureMessageBox, TimersFireWhileItIsOpenAndItsAnswerIsReturned) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    mainWindow().click(IDC_FX_MESSAGE);
    HWND box = waitForWindow("Fixture");
    ASSERT_NE(box, nullptr) << "the message box did not open";
    EXPECT_EQ(MessageBoxText(box), Text("Timers keep running."));
    EXPECT_TRUE(counterAdvancesWhileOpen(box, 2)) << "the parent's timer stood still under the message box";
    SaveScreenshot(std::string("fixture-message-box-") + GetParam().name);
    DialogProbe(box).click(GetParam().button);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_RESULT) == Text(GetParam().result); }));
}

INSTANTIATE_TEST_SUITE_P(Answers, FixtureMessageBox,
                         testing::Values(MessageBoxAnswer{"Ok", IDOK, "1"}, MessageBoxAnswer{"Cancel", IDCANCEL, "2"}),
                         [](const testing::TestParamInfo<MessageBoxAnswer>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(FixtureApp, WindowThatCannotBeCreatedGivesMinusOne) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    mainWindow().click(IDC_FX_FAIL);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().text(IDC_FX_RESULT) == Text("-1"); }));
    EXPECT_TRUE(mainWindow().visible());
}

TEST_F(FixtureApp, SleepBlocksTimersAndAnOverdueTimerFiresOnce) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    ASSERT_TRUE(PollUntil([&] { return counter() >= 1; }));
    const long before = counter();
    mainWindow().click(IDC_FX_SLEEP);  // 3.5 s without messages: three ticks are missed
    // Reads wait while the program sleeps; the first answer comes after it.
    ASSERT_TRUE(PollUntil([&] { return counter() > before; }, 10000));
    const long after = counter();
    // One overdue tick, plus at most one that was due before the click arrived.
    EXPECT_LE(after, before + 2) << "missed ticks were delivered one by one";
}

struct Ending {
    const char* name;
    void (*act)(const DialogProbe&);
    long result;
};

class FixtureEnding : public FixtureApp, public testing::WithParamInterface<Ending> {};

TEST_P(FixtureEnding, EndsTheParentWithItsResult) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    GetParam().act(mainWindow());
    EXPECT_EQ(resultAfterExit(), std::optional<long>(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FixtureEnding,
    testing::Values(Ending{"Escape", [](const DialogProbe& d) { d.pressKey(VK_ESCAPE); }, IDCANCEL},
                    Ending{"Enter", [](const DialogProbe& d) { d.pressKey(VK_RETURN); }, IDOK},
                    Ending{"CloseBox", [](const DialogProbe& d) { d.close(); }, IDCANCEL}),
    [](const testing::TestParamInfo<Ending>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
