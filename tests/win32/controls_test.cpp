// Control access by ID on real controls from a template.
#include <gtest/gtest.h>

#include <string>

#include "backend_test_resource.h"
#include "scripted_dialog.h"
#include "ui/menu.h"
#include "ui/win32/menu_handle.h"

namespace w32test {
namespace {

// Runs `body` once the controls dialog is up (and hidden, as the main window is).
void WithHiddenControls(const std::function<void(ScriptedDialog&)>& body) {
    ScriptedDialog dlg(IDD_BT_CONTROLS);
    dlg.hideGuard = true;
    dlg.onInit = [](ScriptedDialog& d) { d.SetTimer(1, 1); };
    dlg.onTimer = [&body](ScriptedDialog& d, unsigned) {
        d.KillTimer(1);
        body(d);
        d.EndDialog(IDOK);
    };
    ASSERT_EQ(dlg.DoModal(), IDOK);
}

TEST(Controls, VisibilityAndEnablingAreTheControlsOwnEvenInAHiddenWindow) {
    WithHiddenControls([](ScriptedDialog& d) {
        EXPECT_FALSE(d.IsWindowVisible());
        EXPECT_FALSE(d.IsItemVisible(IDC_BT_HIDDEN));
        EXPECT_TRUE(d.IsItemVisible(IDC_BT_DISABLED));
        EXPECT_FALSE(d.IsItemEnabled(IDC_BT_DISABLED));
        EXPECT_TRUE(d.IsItemEnabled(IDC_BT_HIDDEN));
        d.ShowItem(IDC_BT_HIDDEN, true);
        d.EnableItem(IDC_BT_DISABLED, true);
        EXPECT_TRUE(d.IsItemVisible(IDC_BT_HIDDEN));
        EXPECT_TRUE(d.IsItemEnabled(IDC_BT_DISABLED));
        d.CheckDlgButton(IDC_BT_CHECK, BST_CHECKED);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_BT_CHECK), BST_CHECKED);
    });
}

struct SelectCase {
    int startAfter;
    const char* prefix;
    int expected;
};

TEST(Controls, SortedComboSelectsByPrefixFromAfterTheStartAndWraps) {
    // Sorted without regard to case: apple, Banana, Cherry, cherry pie.
    const SelectCase cases[] = {
        {-1, "b", 1}, {0, "a", 0}, {0, "C", 2}, {2, "c", 3}, {3, "c", 2}, {0, "x", CB_ERR},
    };
    WithHiddenControls([&](ScriptedDialog& d) {
        for (const char* entry : {"Cherry", "apple", "cherry pie", "Banana"}) d.ComboAddString(IDC_BT_COMBO, entry);
        ASSERT_EQ(d.ComboGetCount(IDC_BT_COMBO), 4);
        EXPECT_EQ(d.ComboGetLBText(IDC_BT_COMBO, 0), "apple");
        for (const SelectCase& c : cases) {
            EXPECT_EQ(d.ComboSelectString(IDC_BT_COMBO, c.startAfter, c.prefix), c.expected)
                << "start after " << c.startAfter << ", prefix " << c.prefix;
        }
        EXPECT_EQ(d.ComboGetCurSel(IDC_BT_COMBO), 2);  // a failed search keeps the selection
        EXPECT_EQ(d.GetDlgItemText(IDC_BT_COMBO), "Cherry");
        EXPECT_EQ(d.ComboGetLBText(IDC_BT_COMBO, 9), "");
        d.ComboResetContent(IDC_BT_COMBO);
        EXPECT_EQ(d.ComboGetCount(IDC_BT_COMBO), 0);
        EXPECT_EQ(d.ComboGetCurSel(IDC_BT_COMBO), CB_ERR);
    });
}

TEST(Controls, SpinAndProgressKeepRangeAndPosition) {
    WithHiddenControls([](ScriptedDialog& d) {
        d.SpinSetRange(IDC_BT_SPIN, 0, 345);
        d.SpinSetPos(IDC_BT_SPIN, 200);
        EXPECT_EQ(d.SpinGetPos(IDC_BT_SPIN), 200);
        d.ProgressSetRange(IDC_BT_PROGRESS, 0, 100);
        d.ProgressSetPos(IDC_BT_PROGRESS, 42);
        EXPECT_EQ(::SendMessageW(d.item(IDC_BT_PROGRESS), PBM_GETPOS, 0, 0), 42);
        EXPECT_EQ(::SendMessageW(d.item(IDC_BT_PROGRESS), PBM_GETRANGE, FALSE, 0), 100);
    });
}

TEST(Controls, PictureShowsTheBitmapAndClearsForZeroOrAMissingResource) {
    WithHiddenControls([](ScriptedDialog& d) {
        auto image = [&] { return ::SendMessageW(d.item(IDC_BT_PICTURE), STM_GETIMAGE, IMAGE_BITMAP, 0); };
        d.SetPictureBitmap(IDC_BT_PICTURE, IDB_BT_RED);
        EXPECT_NE(image(), 0);
        d.SetPictureBitmap(IDC_BT_PICTURE, 0);
        EXPECT_EQ(image(), 0);
        d.SetPictureBitmap(IDC_BT_PICTURE, IDB_BT_RED);
        d.SetPictureBitmap(IDC_BT_PICTURE, 4711);
        EXPECT_EQ(image(), 0);
    });
}

TEST(Controls, FontIsCreatedFromTheSpecAndKeptForTheControl) {
    WithHiddenControls([](ScriptedDialog& d) {
        ui::FontSpec link;
        link.underline = true;
        link.face = "Ms Sans Serif";
        d.SetItemFont(IDC_BT_LINK, link);
        auto font = reinterpret_cast<HFONT>(::SendMessageW(d.item(IDC_BT_LINK), WM_GETFONT, 0, 0));
        ASSERT_NE(font, nullptr);
        LOGFONTW lf{};
        ASSERT_NE(::GetObjectW(font, sizeof lf, &lf), 0);
        EXPECT_EQ(lf.lfHeight, 8);
        EXPECT_EQ(lf.lfUnderline, 1);
        EXPECT_EQ(lf.lfWeight, 400);
        EXPECT_EQ(std::wstring(lf.lfFaceName), L"Ms Sans Serif");
    });
}

TEST(Controls, WindowIconsAreSetBigAndSmall) {
    WithHiddenControls([](ScriptedDialog& d) {
        d.SetIcon(IDI_BT_ICON);
        EXPECT_NE(::SendMessageW(d.hwnd(), WM_GETICON, ICON_BIG, 0), 0);
        EXPECT_NE(::SendMessageW(d.hwnd(), WM_GETICON, ICON_SMALL, 0), 0);
    });
}

TEST(Resources, StringsKeepTheirUmlautsAndAMissingOneIsEmpty) {
    EXPECT_EQ(ui::LoadString(IDS_BT_UMLAUT), "&Info über Größe...");
    EXPECT_EQ(ui::LoadString(4711), "");
}

TEST(Resources, PopupMenuOfALoadedMenuTakesADefaultItemByCommand) {
    ui::Menu menu;
    EXPECT_FALSE(menu.LoadMenu(4711));
    ASSERT_TRUE(menu.LoadMenu(IDR_BT_MENU));
    ui::MenuHandle* popup = menu.GetSubMenu(0);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(menu.GetSubMenu(0), popup);
    EXPECT_EQ(menu.GetSubMenu(1), nullptr);
    ui::SetDefaultItem(*popup, ID_BT_SECOND);
    EXPECT_EQ(::GetMenuDefaultItem(popup->menu, FALSE, 0), static_cast<UINT>(ID_BT_SECOND));
    EXPECT_EQ(::GetMenuItemCount(popup->menu), 2);
}

TEST(Tray, IconIsAddedAndDeletedOnce) {
    WithHiddenControls([](ScriptedDialog& d) {
        ui::TrayIconRecord record;
        record.iconId = 1;
        record.flags = ui::kNifMessage | ui::kNifIcon | ui::kNifTip;
        record.callbackMessage = WM_USER + 100;
        record.iconResource = IDI_BT_ICON;
        record.setTip("ZevStatus");
        EXPECT_TRUE(ui::ShellNotifyIconAdd(d, record));
        EXPECT_TRUE(ui::ShellNotifyIconDelete(d, 1));
        EXPECT_FALSE(ui::ShellNotifyIconDelete(d, 1));
    });
}

}  // namespace
}  // namespace w32test
