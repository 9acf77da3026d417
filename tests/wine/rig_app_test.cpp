// Proves the rig on a plain Win32 program of its own: if these fail, the fault
// is in the rig (Wine, the desktop, the driver), not in the program under test.
#include <gtest/gtest.h>

#include "app_under_test.h"
#include "rig_app_resource.h"
#include "screenshot.h"
#include "window_finder.h"

namespace e2e {
namespace {

class RigApp : public AppUnderTest {
protected:
    RigApp() : AppUnderTest(L"rig_app.exe", "ZEV Rig-Prüfung") {}
};

TEST_F(RigApp, ShowsTemplateTextsAndStates) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    EXPECT_EQ(mainWindow().text(IDC_RIG_LABEL), std::optional<std::string>("Übernehmen\nPapierränder"));
    EXPECT_EQ(mainWindow().checkState(IDC_RIG_CHECK), std::optional<int>(BST_UNCHECKED));
    EXPECT_FALSE(mainWindow().controlVisible(IDC_RIG_HIDDEN));
    EXPECT_TRUE(mainWindow().controlVisible(IDC_RIG_DISABLED));
    EXPECT_FALSE(mainWindow().controlEnabled(IDC_RIG_DISABLED));
    EXPECT_TRUE(mainWindow().controlEnabled(IDOK));
    EXPECT_TRUE(SaveScreenshot("rig-started"));
}

TEST_F(RigApp, CheckBoxTogglesOnEachClick) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    for (int expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
        mainWindow().click(IDC_RIG_CHECK);
        EXPECT_TRUE(PollUntil([&] { return mainWindow().checkState(IDC_RIG_CHECK) == expected; }))
            << "check state did not become " << expected;
    }
}

TEST_F(RigApp, TimerKeepsCountingWhileMessageBoxIsOpen) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    mainWindow().click(IDC_RIG_ASK);
    HWND box = waitForWindow("Rig-Frage");
    ASSERT_NE(box, nullptr) << "the message box did not open";
    EXPECT_EQ(MessageBoxText(box), std::optional<std::string>("Weiterzählen?"));

    const long atOpen = mainWindow().number(IDC_RIG_COUNT).value_or(-1);
    ASSERT_GE(atOpen, 0);
    EXPECT_TRUE(PollUntil([&] { return mainWindow().number(IDC_RIG_COUNT).value_or(-1) >= atOpen + 3; }))
        << "the counter stood still while the message box was open";
    EXPECT_TRUE(IsWindow(box)) << "the message box closed by itself";
    SaveScreenshot("rig-message-box");

    DialogProbe(box).click(IDOK);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(mainWindow().visible());
}

TEST_F(RigApp, MissingTemplateGivesMinusOne) {
    ASSERT_NO_FATAL_FAILURE(start(L"--missing-template"));
    EXPECT_EQ(resultAfterExit(), std::optional<long>(-1));
}

struct EndingCase {
    const char* name;
    void (*act)(const DialogProbe&);
    long result;
};

class RigAppEnding : public RigApp, public testing::WithParamInterface<EndingCase> {};

TEST_P(RigAppEnding, EndsTheDialogWithItsResult) {
    ASSERT_NO_FATAL_FAILURE(startAndFindMainWindow());
    GetParam().act(mainWindow());
    EXPECT_EQ(resultAfterExit(), std::optional<long>(GetParam().result));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, RigAppEnding,
    testing::Values(EndingCase{"Escape", [](const DialogProbe& d) { d.pressKey(VK_ESCAPE); }, IDCANCEL},
                    EndingCase{"Enter", [](const DialogProbe& d) { d.pressKey(VK_RETURN); }, IDOK},
                    EndingCase{"CloseBox", [](const DialogProbe& d) { d.close(); }, IDCANCEL},
                    EndingCase{"CancelButton", [](const DialogProbe& d) { d.click(IDCANCEL); }, IDCANCEL}),
    [](const testing::TestParamInfo<EndingCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
