// The seam between the portable dialog layer and a platform. One backend is
// linked into each build: win32 (real windows) or headless (in-memory windows on
// a virtual clock). Dialog and the free functions of the layer forward here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "ui/dialog.h"
#include "ui/tray.h"

namespace ui {

struct MenuHandle;  // backend-owned loaded menu

struct Point {
    int x = 0;
    int y = 0;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Creates the window from its template, runs OnInitDialog and the modal loop
    // until EndDialog; returns -1 when the window cannot be created.
    virtual int runModal(Dialog& dlg) = 0;
    virtual void endDialog(Window& w, int result) = 0;

    virtual void setTimer(Window& w, unsigned id, unsigned ms) = 0;
    virtual void killTimer(Window& w, unsigned id) = 0;
    virtual void showWindow(Window& w, int cmd) = 0;
    virtual bool isVisible(const Window& w) const = 0;
    virtual void setForeground(Window& w) = 0;
    virtual void setIcon(Window& w, int iconResource) = 0;
    virtual bool hasSystemMenu(const Window& w) const = 0;
    virtual void appendSystemMenu(Window& w, unsigned id, std::string_view text, bool separator) = 0;
    virtual void postMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;

    virtual void setItemText(Window& w, int id, std::string_view text) = 0;
    virtual std::string itemText(const Window& w, int id) const = 0;
    virtual void setCheck(Window& w, int id, int state) = 0;
    virtual int check(const Window& w, int id) const = 0;
    virtual void enableItem(Window& w, int id, bool enable) = 0;
    virtual void showItem(Window& w, int id, bool show) = 0;
    virtual void redrawItem(Window& w, int id) = 0;

    virtual int comboAdd(Window& w, int id, std::string_view text) = 0;
    virtual void comboReset(Window& w, int id) = 0;
    virtual int comboSelectString(Window& w, int id, int startAfter, std::string_view prefix) = 0;
    virtual int comboCurSel(const Window& w, int id) const = 0;
    virtual std::string comboText(const Window& w, int id, int index) const = 0;

    virtual void spinSetRange(Window& w, int id, int lo, int hi) = 0;
    virtual void spinSetPos(Window& w, int id, int pos) = 0;
    virtual void progressSetRange(Window& w, int id, int lo, int hi) = 0;
    virtual void progressSetPos(Window& w, int id, int pos) = 0;
    virtual void setPicture(Window& w, int id, int bitmapResource) = 0;
    virtual void setItemFont(Window& w, int id, const FontSpec& font) = 0;

    // Owner: the topmost window of the thread (nullptr when there is none).
    virtual int messageBox(std::string_view text, std::string_view caption, unsigned type) = 0;
    virtual void setCursor(int cursorResource) = 0;

    virtual MenuHandle* loadMenu(int menuResource) = 0;
    virtual MenuHandle* subMenu(MenuHandle& menu, int position) = 0;
    virtual void setDefaultMenuItem(MenuHandle& menu, unsigned command) = 0;
    // Modal; a chosen item is posted to the owner as WM_COMMAND.
    virtual void trackPopupMenu(MenuHandle& menu, unsigned flags, Point at, Window& owner) = 0;
    virtual void destroyMenu(MenuHandle* menu) = 0;
    virtual Point cursorPos() const = 0;

    virtual bool trayAdd(Window& owner, const TrayIconRecord& record) = 0;
    virtual bool trayDelete(Window& owner, std::uint32_t iconId) = 0;
    virtual unsigned registerWindowMessage(std::string_view name) = 0;
    virtual std::string loadString(int id) const = 0;
};

// The backend of this build (set by the backend's entry point or the harness).
Backend& backend();
void setBackend(Backend* b);

// Lets a backend reach the dialog's private window pointer.
struct BackendAccess {
    static void attach(Dialog& d, Window* w) { d.m_window = w; }
};

}  // namespace ui
