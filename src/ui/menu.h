// A loaded menu resource (RAII) and its pop-up tracking, for context menus.
#pragma once

#include "ui/refuse_windows_macros.h"

#include "ui/backend.h"

namespace ui {

class Menu {
public:
    Menu() = default;
    ~Menu() { DestroyMenu(); }
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    bool LoadMenu(int menuResource) {
        DestroyMenu();
        m_menu = backend().loadMenu(menuResource);
        return m_menu != nullptr;
    }
    // The pop-up at `position`; nullptr when there is none. Owned by this menu.
    MenuHandle* GetSubMenu(int position) { return m_menu ? backend().subMenu(*m_menu, position) : nullptr; }
    void DestroyMenu() {
        if (m_menu) {
            backend().destroyMenu(m_menu);
            m_menu = nullptr;
        }
    }

private:
    MenuHandle* m_menu = nullptr;
};

inline void SetDefaultItem(MenuHandle& popup, unsigned command) { backend().setDefaultMenuItem(popup, command); }
inline void TrackPopupMenu(MenuHandle& popup, unsigned flags, Point at, Dialog& owner) {
    backend().trackPopupMenu(popup, flags, at, *owner.window());
}
inline Point GetCursorPos() { return backend().cursorPos(); }

inline bool ShellNotifyIconAdd(Dialog& owner, const TrayIconRecord& r) { return backend().trayAdd(*owner.window(), r); }
inline bool ShellNotifyIconDelete(Dialog& owner, std::uint32_t iconId) {
    return backend().trayDelete(*owner.window(), iconId);
}
inline unsigned RegisterWindowMessage(std::string_view name) { return backend().registerWindowMessage(name); }
inline std::string LoadString(int id) { return backend().loadString(id); }

}  // namespace ui
