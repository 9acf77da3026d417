// Window-level operations, message boxes, cursors, strings, menus and the
// notification-area icon.
#include "ui/win32/win32_backend.h"

#include <algorithm>

#include "os/win32/wide.h"
#include "ui/win32/dialog_procedure.h"
#include "ui/win32/resources.h"

namespace ui::win32 {

using os::win32::ToUtf8;
using os::win32::ToWide;

void Win32Backend::setTimer(Window& w, unsigned id, unsigned ms) {
    // A running timer with the same ID starts its interval again.
    if (w.handle() != nullptr) ::SetTimer(w.handle(), id, ms, nullptr);
}

void Win32Backend::killTimer(Window& w, unsigned id) {
    if (w.handle() != nullptr) ::KillTimer(w.handle(), id);
}

void Win32Backend::showWindow(Window& w, int cmd) {
    if (w.handle() != nullptr) ::ShowWindow(w.handle(), cmd);
}

bool Win32Backend::isVisible(const Window& w) const { return w.handle() != nullptr && ::IsWindowVisible(w.handle()); }

void Win32Backend::setForeground(Window& w) {
    if (w.handle() != nullptr) ::SetForegroundWindow(w.handle());
}

void Win32Backend::setIcon(Window& w, int iconResource) {
    if (w.handle() == nullptr) return;
    auto big = LoadIconResource(m_instance, iconResource, SM_CXICON);
    auto small = LoadIconResource(m_instance, iconResource, SM_CXSMICON);
    ::SendMessageW(w.handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    ::SendMessageW(w.handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    // The window no longer uses the previous icons once the new ones are set.
    w.bigIcon = std::move(big);
    w.smallIcon = std::move(small);
}

bool Win32Backend::hasSystemMenu(const Window& w) const {
    return w.handle() != nullptr && ::GetSystemMenu(w.handle(), FALSE) != nullptr;
}

void Win32Backend::appendSystemMenu(Window& w, unsigned id, std::string_view text, bool separator) {
    HMENU menu = w.handle() != nullptr ? ::GetSystemMenu(w.handle(), FALSE) : nullptr;
    if (menu == nullptr) return;
    if (separator) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    } else {
        ::AppendMenuW(menu, MF_STRING, id, ToWide(text).c_str());
    }
}

void Win32Backend::postMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (w.handle() != nullptr) ::PostMessageW(w.handle(), msg, wParam, lParam);
}

int Win32Backend::messageBox(std::string_view text, std::string_view caption, unsigned type) {
    // MessageBoxW runs its own loop, which dispatches the messages of every
    // window of the thread: timers keep firing while the box is open.
    const int answer = ::MessageBoxW(pickOwner(), ToWide(text).c_str(), ToWide(caption).c_str(), type);
    // A handler that failed inside the box's own loop fails its caller here.
    RethrowHandlerException();
    return answer;
}

void Win32Backend::setCursor(int cursorResource) {
    auto it = m_cursors.find(cursorResource);
    if (it == m_cursors.end())
        it = m_cursors.emplace(cursorResource, ::LoadCursorW(m_instance, MAKEINTRESOURCEW(cursorResource))).first;
    // A cursor that is not in the resources would otherwise hide the pointer.
    if (it->second != nullptr) ::SetCursor(it->second);
}

MenuHandle* Win32Backend::loadMenu(int menuResource) {
    os::win32::UniqueMenu loaded(::LoadMenuW(m_instance, MAKEINTRESOURCEW(menuResource)));
    if (!loaded) return nullptr;
    auto handle = std::make_unique<MenuHandle>();
    handle->menu = loaded.get();
    handle->owned = std::move(loaded);
    m_menus.push_back(std::move(handle));
    return m_menus.back().get();
}

MenuHandle* Win32Backend::subMenu(MenuHandle& menu, int position) {
    HMENU popup = ::GetSubMenu(menu.menu, position);
    if (popup == nullptr) return nullptr;
    for (auto& known : menu.popups)
        if (known->menu == popup) return known.get();
    auto handle = std::make_unique<MenuHandle>();
    handle->menu = popup;
    menu.popups.push_back(std::move(handle));
    return menu.popups.back().get();
}

void Win32Backend::setDefaultMenuItem(MenuHandle& menu, unsigned command) {
    ::SetMenuDefaultItem(menu.menu, command, FALSE);
}

void Win32Backend::trackPopupMenu(MenuHandle& menu, unsigned flags, Point at, Window& owner) {
    // Without TPM_RETURNCMD the chosen item is posted to the owner as WM_COMMAND.
    if (owner.handle() == nullptr) return;
    ::TrackPopupMenu(menu.menu, flags, at.x, at.y, 0, owner.handle(), nullptr);
    RethrowHandlerException();  // from a handler run by the menu's own loop
}

void Win32Backend::destroyMenu(MenuHandle* menu) {
    // Only loaded menus are destroyed; a pop-up goes with the menu it came from.
    std::erase_if(m_menus, [menu](const std::unique_ptr<MenuHandle>& m) { return m.get() == menu; });
}

Point Win32Backend::cursorPos() const {
    POINT p{};
    ::GetCursorPos(&p);
    return Point{p.x, p.y};
}

bool Win32Backend::trayAdd(Window& owner, const TrayIconRecord& record) {
    if (owner.handle() == nullptr) return false;
    auto it = owner.trayIcons.find(record.iconId);
    // Added again after the taskbar was recreated: the shell is given the same
    // HICON as before, which therefore lives as long as the icon may be shown.
    if (it != owner.trayIcons.end() && it->second->iconResource() == record.iconResource)
        return it->second->add(record);
    auto icon = std::make_unique<TrayIcon>(owner.handle(),
                                           record.iconId,
                                           record.iconResource,
                                           LoadIconResource(m_instance, record.iconResource, SM_CXSMICON));
    if (!icon->add(record)) return false;
    if (it != owner.trayIcons.end()) {
        it->second->forget();  // the shell shows the new entry under the same ID
        it->second = std::move(icon);
    } else {
        owner.trayIcons.emplace(record.iconId, std::move(icon));
    }
    return true;
}

bool Win32Backend::trayDelete(Window& owner, std::uint32_t iconId) {
    auto it = owner.trayIcons.find(iconId);
    if (it == owner.trayIcons.end()) return false;
    const bool removed = it->second->remove();
    owner.trayIcons.erase(it);
    return removed;
}

unsigned Win32Backend::registerWindowMessage(std::string_view name) {
    return ::RegisterWindowMessageW(ToWide(name).c_str());
}

std::string Win32Backend::loadString(int id) const {
    // With a zero buffer size LoadStringW hands out a pointer into the
    // resource itself, which is not terminated.
    const wchar_t* text = nullptr;
    const int n = ::LoadStringW(m_instance, static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
    if (n <= 0 || text == nullptr) return {};
    return ToUtf8(std::wstring_view(text, static_cast<std::size_t>(n)));
}

}  // namespace ui::win32
