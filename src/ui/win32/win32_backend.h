// The dialog layer on real Win32 windows, built from the executable's resources.
// Every call runs on the user-interface thread.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "os/win32/windows_api.h"
#include "ui/backend.h"
#include "ui/win32/menu_handle.h"
#include "ui/win32/window.h"

namespace ui::win32 {

class Win32Backend final : public Backend {
public:
    explicit Win32Backend(HINSTANCE instance) : m_instance(instance) {}
    ~Win32Backend() override = default;
    Win32Backend(const Win32Backend&) = delete;
    Win32Backend& operator=(const Win32Backend&) = delete;

    int runModal(Dialog& dlg) override;
    void endDialog(Window& w, int result) override;

    void setTimer(Window& w, unsigned id, unsigned ms) override;
    void killTimer(Window& w, unsigned id) override;
    void showWindow(Window& w, int cmd) override;
    bool isVisible(const Window& w) const override;
    void setForeground(Window& w) override;
    void setIcon(Window& w, int iconResource) override;
    bool hasSystemMenu(const Window& w) const override;
    void appendSystemMenu(Window& w, unsigned id, std::string_view text, bool separator) override;
    void postMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

    void setItemText(Window& w, int id, std::string_view text) override;
    std::string itemText(const Window& w, int id) const override;
    void setCheck(Window& w, int id, int state) override;
    int check(const Window& w, int id) const override;
    void enableItem(Window& w, int id, bool enable) override;
    void showItem(Window& w, int id, bool show) override;
    void redrawItem(Window& w, int id) override;

    int comboAdd(Window& w, int id, std::string_view text) override;
    void comboReset(Window& w, int id) override;
    int comboSelectString(Window& w, int id, int startAfter, std::string_view prefix) override;
    int comboCurSel(const Window& w, int id) const override;
    std::string comboText(const Window& w, int id, int index) const override;

    void spinSetRange(Window& w, int id, int lo, int hi) override;
    void spinSetPos(Window& w, int id, int pos) override;
    void progressSetRange(Window& w, int id, int lo, int hi) override;
    void progressSetPos(Window& w, int id, int pos) override;
    void setPicture(Window& w, int id, int bitmapResource) override;
    void setItemFont(Window& w, int id, const FontSpec& font) override;

    int messageBox(std::string_view text, std::string_view caption, unsigned type) override;
    void setCursor(int cursorResource) override;

    MenuHandle* loadMenu(int menuResource) override;
    MenuHandle* subMenu(MenuHandle& menu, int position) override;
    void setDefaultMenuItem(MenuHandle& menu, unsigned command) override;
    void trackPopupMenu(MenuHandle& menu, unsigned flags, Point at, Window& owner) override;
    void destroyMenu(MenuHandle* menu) override;
    Point cursorPos() const override;

    bool trayAdd(Window& owner, const TrayIconRecord& record) override;
    bool trayDelete(Window& owner, std::uint32_t iconId) override;
    unsigned registerWindowMessage(std::string_view name) override;
    std::string loadString(int id) const override;

    HINSTANCE instance() const { return m_instance; }

private:
    // The window new modal runs and message boxes are owned by: the topmost
    // enabled dialog of the thread, else the innermost running dialog.
    HWND pickOwner() const;
    // Runs GetMessageW/dispatch until `w` has ended.
    void runMessageLoop(Window& w);
    // Hand cursor and dialog keys; true when the message has been handled.
    bool preTranslate(MSG& msg);
    Window* runningWindowOf(HWND hwnd) const;

    HINSTANCE m_instance;
    std::vector<Window*> m_running;    // modal runs, innermost last
    std::map<int, HCURSOR> m_cursors;  // shared cursors: never destroyed
    std::vector<std::unique_ptr<MenuHandle>> m_menus;
};

}  // namespace ui::win32
