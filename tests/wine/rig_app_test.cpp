// Proves the rig on a plain Win32 program of its own: if these fail, the fault
// is in the rig (Wine, the desktop, the driver), not in the program under test.
#include <gtest/gtest.h>

#include <fstream>

#include "dialog_probe.h"
#include "e2e_options.h"
#include "program_process.h"
#include "rig_app_resource.h"
#include "screenshot.h"
#include "wide_text.h"
#include "window_finder.h"

namespace e2e {
namespace {

const char* const kRigCaption = "ZEV Rig-Prüfung";
constexpr DWORD kExitTimeoutMs = 15000;

std::optional<long> ReadResult(const std::wstring& path) {
    std::ifstream in(ToUtf8(path));
    long value = 0;
    if (!(in >> value)) return std::nullopt;
    return value;
}

class RigApp : public testing::Test {
protected:
    void start(const std::wstring& extra = {}) {
        m_resultFile = WorkFile(L"rig_result.txt");
        m_process = ProgramProcess::Start(L"rig_app.exe", L"--result=\"" + m_resultFile + L"\" " + extra);
        ASSERT_NE(m_process, nullptr) << "rig_app.exe could not be started";
    }
    void startAndFindWindow() {
        ASSERT_NO_FATAL_FAILURE(start());
        m_dialog = WaitForWindow(m_process->id(), kRigCaption);
        ASSERT_NE(m_dialog, nullptr) << "no window \"" << kRigCaption << "\" appeared";
    }
    std::optional<long> resultAfterExit() {
        if (!m_process->waitForExit(kExitTimeoutMs)) return std::nullopt;
        return ReadResult(m_resultFile);
    }
    DialogProbe dialog() const { return DialogProbe(m_dialog); }

    std::unique_ptr<ProgramProcess> m_process;
    std::wstring m_resultFile;
    HWND m_dialog = nullptr;
};

TEST_F(RigApp, ShowsTemplateTextsAndStates) {
    ASSERT_NO_FATAL_FAILURE(startAndFindWindow());
    EXPECT_EQ(dialog().text(IDC_RIG_LABEL), std::optional<std::string>("Übernehmen\nPapierränder"));
    EXPECT_EQ(dialog().checkState(IDC_RIG_CHECK), std::optional<int>(BST_UNCHECKED));
    EXPECT_FALSE(dialog().controlVisible(IDC_RIG_HIDDEN));
    EXPECT_TRUE(dialog().controlVisible(IDC_RIG_DISABLED));
    EXPECT_FALSE(dialog().controlEnabled(IDC_RIG_DISABLED));
    EXPECT_TRUE(dialog().controlEnabled(IDOK));
    EXPECT_TRUE(SaveScreenshot("rig-started"));
}

TEST_F(RigApp, CheckBoxTogglesOnEachClick) {
    ASSERT_NO_FATAL_FAILURE(startAndFindWindow());
    for (int expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED}) {
        dialog().click(IDC_RIG_CHECK);
        EXPECT_TRUE(PollUntil([&] { return dialog().checkState(IDC_RIG_CHECK) == expected; }))
            << "check state did not become " << expected;
    }
}

TEST_F(RigApp, TimerKeepsCountingWhileMessageBoxIsOpen) {
    ASSERT_NO_FATAL_FAILURE(startAndFindWindow());
    dialog().click(IDC_RIG_ASK);
    HWND box = WaitForWindow(m_process->id(), "Rig-Frage");
    ASSERT_NE(box, nullptr) << "the message box did not open";
    EXPECT_EQ(MessageBoxText(box), std::optional<std::string>("Weiterzählen?"));

    const long atOpen = dialog().number(IDC_RIG_COUNT).value_or(-1);
    ASSERT_GE(atOpen, 0);
    EXPECT_TRUE(PollUntil([&] { return dialog().number(IDC_RIG_COUNT).value_or(-1) >= atOpen + 3; }))
        << "the counter stood still while the message box was open";
    EXPECT_TRUE(IsWindow(box)) << "the message box closed by itself";
    SaveScreenshot("rig-message-box");

    DialogProbe(box).click(IDOK);
    EXPECT_TRUE(WaitForWindowGone(box));
    EXPECT_TRUE(dialog().visible());
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
    ASSERT_NO_FATAL_FAILURE(startAndFindWindow());
    GetParam().act(dialog());
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
