// The dialog layer's shared semantics, checked on the headless backend with the
// fixture windows (the same windows run under Wine in the end-to-end tests).
#include <gtest/gtest.h>

#include "fixture/fixture_dialogs.h"
#include "fixture/fixture_resource.h"
#include "harness/harness.h"

namespace {

using namespace zevtest;

class DialogLayer : public ::testing::Test {
protected:
    void SetUp() override {
        h.start([this] { result = fixture::RunFixture(); });
    }
    WindowView parent() { return h.window(IDD_FIXTURE_PARENT); }
    int counter() { return std::stoi(parent().text(IDC_FX_COUNTER)); }

    Harness h;
    int result = 0;
};

TEST_F(DialogLayer, ParentTimerKeepsCountingWhileChildClosesItselfOnItsOwnTimer) {
    h.advance(1000ms);
    ASSERT_EQ(counter(), 1);
    parent().click(IDC_FX_POPUP);
    ASSERT_TRUE(h.has(IDD_FIXTURE_CHILD));
    EXPECT_FALSE(parent().enabled()) << "a modal child disables its owner";

    h.advance(1000ms);  // child ticks at +500 and +1000, parent at +1000
    EXPECT_EQ(h.window(IDD_FIXTURE_CHILD).text(IDC_FX_CHILD_TICKS), "2");
    EXPECT_EQ(counter(), 2);

    h.advance(500ms);  // third child tick closes it
    EXPECT_FALSE(h.has(IDD_FIXTURE_CHILD));
    EXPECT_EQ(parent().text(IDC_FX_RESULT), "1");
    EXPECT_TRUE(parent().enabled());
}

TEST_F(DialogLayer, TimersFireWhileAMessageBoxIsOpen) {
    parent().click(IDC_FX_MESSAGE);
    auto box = h.messageBox();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->messageText(), "Timers keep running.");
    EXPECT_EQ(box->caption(), "Fixture");
    EXPECT_EQ(box->messageType(), ui::MB_OKCANCEL | ui::MB_ICONINFORMATION);

    h.advance(3000ms);
    EXPECT_EQ(counter(), 3);
    box->answer(ui::IDCANCEL);
    EXPECT_FALSE(h.messageBox());
    EXPECT_EQ(parent().text(IDC_FX_RESULT), "2");
}

TEST_F(DialogLayer, ModalResultsFromKeysAndCloseBox) {
    struct Case {
        const char* name;
        void (*act)(WindowView&);
        const char* expected;
    } cases[] = {
        {"Esc", [](WindowView& w) { w.escape(); }, "2"},
        {"close box", [](WindowView& w) { w.closeBox(); }, "2"},
        {"Enter", [](WindowView& w) { w.enter(); }, "1"},
    };
    for (const auto& c : cases) {
        parent().click(IDC_FX_POPUP);
        auto child = h.window(IDD_FIXTURE_CHILD);
        c.act(child);
        EXPECT_FALSE(h.has(IDD_FIXTURE_CHILD)) << c.name;
        EXPECT_EQ(parent().text(IDC_FX_RESULT), c.expected) << c.name;
    }
}

TEST_F(DialogLayer, ATemplateThatCannotBeCreatedGivesMinusOne) {
    parent().click(IDC_FX_FAIL);
    EXPECT_EQ(parent().text(IDC_FX_RESULT), "-1");

    // A test can make any template fail, so every creation-failure path is reachable.
    h.primary().backend().failTemplate(IDD_FIXTURE_CHILD);
    parent().click(IDC_FX_POPUP);
    EXPECT_EQ(parent().text(IDC_FX_RESULT), "-1");
}

TEST_F(DialogLayer, ControlsStartAsTheTemplateSays) {
    auto p = parent();
    EXPECT_FALSE(p.itemVisible(IDC_FX_HIDDEN));
    EXPECT_TRUE(p.itemEnabled(IDC_FX_HIDDEN));
    EXPECT_TRUE(p.itemVisible(IDC_FX_DISABLED));
    EXPECT_FALSE(p.itemEnabled(IDC_FX_DISABLED));
    EXPECT_EQ(p.text(IDC_FX_UMLAUT), "Grüße aus Köln\nzweite Zeile");
    EXPECT_EQ(p.caption(), "Fixture parent");
    EXPECT_TRUE(p.visible());
    EXPECT_THROW(p.click(IDC_FX_HIDDEN), std::logic_error);
    EXPECT_THROW(p.click(IDC_FX_DISABLED), std::logic_error);
}

TEST_F(DialogLayer, SettingAnEditsTextRaisesItsChangeNotification) {
    parent().click(IDC_FX_SETTEXT);
    EXPECT_EQ(parent().text(IDC_FX_EDIT), "abc");
    EXPECT_EQ(parent().text(IDC_FX_CHANGES), "1");
    parent().type(IDC_FX_EDIT, "de");
    EXPECT_EQ(parent().text(IDC_FX_EDIT), "abcde");
    EXPECT_EQ(parent().text(IDC_FX_CHANGES), "3") << "one notification per keystroke";
}

TEST_F(DialogLayer, SortedComboAndSelectStringWrapping) {
    auto p = parent();
    EXPECT_EQ(p.comboItems(IDC_FX_COMBO), (std::vector<std::string>{"apple", "Banana", "Cherry"}));
    EXPECT_EQ(p.text(IDC_FX_COMBOSEL), "0");
    EXPECT_EQ(p.comboSelection(IDC_FX_COMBO), 0);
    EXPECT_EQ(p.text(IDC_FX_COMBO), "apple");
}

TEST_F(DialogLayer, SleepBlocksTimersAndOverdueTimersFireOnce) {
    h.advance(500ms);
    parent().click(IDC_FX_SLEEP);  // blocks 3.5 s: three periods missed
    EXPECT_EQ(h.now(), 4000u);
    EXPECT_EQ(counter(), 1) << "an overdue timer fires once, not once per missed period";
    h.advance(999ms);
    EXPECT_EQ(counter(), 1);
    h.advance(1ms);
    EXPECT_EQ(counter(), 2);
}

TEST_F(DialogLayer, StartingARunningTimerRestartsItsInterval) {
    h.advance(800ms);
    parent().click(IDC_FX_RESTART);
    h.advance(900ms);
    EXPECT_EQ(counter(), 0);
    h.advance(100ms);
    EXPECT_EQ(counter(), 1);
}

TEST_F(DialogLayer, EndingTheParentEndsTheRun) {
    parent().click(ui::IDOK);
    EXPECT_TRUE(h.primary().finished());
    EXPECT_EQ(result, ui::IDOK);
}

TEST(DialogLayerRuns, SameResultEveryRun) {
    // The whole sequence is driven by the virtual clock, so it never varies.
    std::vector<std::string> seen;
    for (int run = 0; run < 3; ++run) {
        Harness h;
        h.start([] { fixture::RunFixture(); });
        h.window(IDD_FIXTURE_PARENT).click(IDC_FX_POPUP);
        h.advance(2750ms);
        seen.push_back(h.window(IDD_FIXTURE_PARENT).text(IDC_FX_COUNTER) + "/" +
                       h.window(IDD_FIXTURE_PARENT).text(IDC_FX_RESULT));
    }
    EXPECT_EQ(seen, (std::vector<std::string>(3, "2/1")));
}

}  // namespace
