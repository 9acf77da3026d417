// One notification-area icon, removed from the shell when its owner releases it.
#pragma once

#include "os/win32/unique_handle.h"
#include "ui/tray.h"

namespace ui::win32 {

class TrayIcon {
public:
    TrayIcon(HWND owner, unsigned id, int iconResource, os::win32::UniqueIcon icon)
        : m_owner(owner), m_id(id), m_iconResource(iconResource), m_icon(std::move(icon)) {}
    ~TrayIcon() {
        if (m_added) remove();
    }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Hands `record` to the shell with NIM_ADD; the shell keeps using our HICON.
    bool add(const TrayIconRecord& record);
    // NIM_DELETE. The destructor does it too while the icon is known to be shown.
    bool remove();
    // The shell no longer shows this entry (another one took its ID).
    void forget() { m_added = false; }

    int iconResource() const { return m_iconResource; }
    HICON icon() const { return m_icon.get(); }

private:
    HWND m_owner;
    unsigned m_id;
    int m_iconResource;
    os::win32::UniqueIcon m_icon;
    bool m_added = false;
};

}  // namespace ui::win32
