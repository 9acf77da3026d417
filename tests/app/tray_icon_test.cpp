// The notification-area icon: its record, its menu and the start-hidden guard.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "harness/app_harness.h"
#include "ui/app.h"

namespace {

using namespace zevtest;

class TrayIcon : public ::testing::Test {
protected:
    void SetUp() override { h.startApp(); }
    HeadlessBackend& backend() { return h.primary().backend(); }

    AppHarness h;
};

TEST_F(TrayIcon, TheMenuOffersTheToolboxThenABoldExitAtTheCursor) {
    backend().m_cursorPos = {612, 745};
    h.trayMouse(ui::WM_RBUTTONDOWN);
    const auto menu = h.popupMenu();
    ASSERT_TRUE(menu);
    std::vector<std::tuple<unsigned, std::string, bool>> items;
    for (const auto& item : *menu) items.emplace_back(item.id, item.text, item.isDefault);
    EXPECT_EQ(items, (decltype(items){{ID_TRAY_TOOLBOX, "ZEV Toolbox", false}, {ID_TRAY_EXIT, "Beenden", true}}));

    const auto* open = backend().openMenu();
    EXPECT_EQ(open->flags, ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON);
    EXPECT_EQ(std::pair(open->at.x, open->at.y), std::pair(612, 745));
    EXPECT_EQ(open->ownerSerial, h.main().raw().serial);
    EXPECT_EQ(backend().foreground(), &h.main().raw());

    h.dismissMenu();
    EXPECT_FALSE(h.popupMenu());
    EXPECT_EQ(backend().menusLoaded(), 1);
    EXPECT_EQ(backend().menusDestroyed(), 1);
    EXPECT_FALSE(h.main().visible());
}

TEST_F(TrayIcon, ATaskbarRestartBringsTheSameIconBackWithAWorkingMenu) {
    const auto before = h.trayIcons();
    h.restartTaskbar();
    const auto after = h.trayIcons();
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after[0].tipText(), before[0].tipText());
    EXPECT_EQ(after[0].iconId, 1u);
    EXPECT_EQ(after[0].callbackMessage, before[0].callbackMessage);

    h.openFromTray();
    EXPECT_TRUE(h.main().visible());
}

TEST_F(TrayIcon, BeendenEndsTheProgramAndTakesTheIconAway) {
    h.openFromTray();
    h.trayMouse(ui::WM_RBUTTONDOWN);
    h.chooseMenu(ID_TRAY_EXIT);
    EXPECT_TRUE(h.primary().finished());
    EXPECT_TRUE(backend().trayIcons().empty());
    EXPECT_EQ(h.machine().mutexes.count("KeinDoppelstart"), 0u) << "the next start may run";
}

// Runs the program under another name, or before the shell accepts icons.
void StartProgram(AppHarness& h, const std::string& name, bool trayAvailable = true) {
    h.start([name, trayAvailable] {
        static_cast<HeadlessBackend&>(ui::backend()).setTrayAvailable(trayAvailable);
        auto app = ui::CreateApplication();
        app->m_pszAppName = name;
        ui::RunApplication(*app);
    });
}

TEST(TrayTip, ANameLongerThanTheTipFieldIsCutToFit) {
    AppHarness h;
    const std::string name(100, 'N');
    StartProgram(h, name);
    const auto icons = h.trayIcons();
    ASSERT_EQ(icons.size(), 1u);
    EXPECT_EQ(icons[0].tipText(), name.substr(0, 63));
}

TEST(TrayIconLate, WithoutANotificationAreaTheProgramRunsOnUntilTheTaskbarComes) {
    AppHarness h;
    StartProgram(h, "ZevStatus", false);  // the shell refuses the icon while the taskbar is not there yet
    EXPECT_TRUE(h.trayIcons().empty());
    h.primary().backend().setTrayAvailable(true);
    h.restartTaskbar();
    EXPECT_EQ(h.trayIcons().size(), 1u);
}

TEST_F(TrayIcon, MessagesForAnotherIconIdAreIgnored) {
    h.openFromTray();
    h.main().click(ui::IDCANCEL);
    for (unsigned msg : {ui::WM_LBUTTONDBLCLK, ui::WM_RBUTTONDOWN}) {
        h.main().send(app::kTrayNotifyMessage, 2, static_cast<std::intptr_t>(msg));
        EXPECT_FALSE(h.popupMenu()) << msg;
        EXPECT_FALSE(h.main().visible()) << msg;
    }
}

}  // namespace
