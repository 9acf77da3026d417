// In-memory windows built from the compiled dialog templates, one message queue
// per application thread, and timers on the machine's virtual clock. A test
// drives it through the Harness (tests/harness); the application cannot tell it
// from real windows.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/headless/resources.h"
#include "ui/headless/scheduler.h"

namespace ui::headless {

enum class ControlKind {
    PushButton,
    CheckBox,
    RadioButton,
    GroupBox,
    Edit,
    Static,
    Picture,
    Icon,
    ComboBox,
    UpDown,
    Progress,
    Other
};

struct Control {
    int id = 0;
    ControlKind kind = ControlKind::Other;
    std::uint32_t style = 0;
    bool autoToggle = false;  // auto check box / auto radio button
    bool defaultButton = false;
    bool notify = false;      // static with SS_NOTIFY
    bool groupStart = false;  // WS_GROUP
    std::string text;
    std::vector<std::string> textHistory;  // every text the program set, in order
    bool visible = true;
    bool enabled = true;
    int check = 0;
    // combo box
    bool sorted = false;
    std::vector<std::string> items;
    int selection = -1;
    // up-down and progress
    int lo = 0, hi = 100, pos = 0;
    bool horizontal = false;
    std::vector<int> positionHistory;  // every position a progress bar was set to
    // picture
    int bitmap = 0;
    std::optional<FontSpec> font;
    int redraws = 0;
};

struct Timer {
    unsigned id = 0;
    unsigned interval = 0;
    std::uint64_t due = 0;
    std::uint64_t seq = 0;  // creation order breaks ties between equally due timers
};

enum class WindowKind { Dialog, MessageBox };

}  // namespace ui::headless

namespace ui {
// The backend's window record (opaque to portable code).
struct Window {
    headless::WindowKind kind = headless::WindowKind::Dialog;
    std::uint64_t serial = 0;
    Dialog* dialog = nullptr;
    int templateId = 0;
    std::uint32_t style = 0;
    std::string caption;
    bool visible = false;
    bool iconic = false;
    bool enabled = true;
    bool ended = false;
    int result = 0;
    int icon = 0;
    std::vector<headless::Control> controls;
    std::vector<headless::Timer> timers;
    std::vector<std::pair<unsigned, std::string>> systemMenuAdditions;  // id 0 + empty text = separator
    // message boxes
    std::string text;
    unsigned type = 0;
    // the window this modal run disabled, re-enabled when it ends
    std::uint64_t disabledOwner = 0;

    headless::Control* control(int id);
    const headless::Control* control(int id) const;
};
// A loaded menu or one of its pop-ups.
struct MenuHandle {
    unsigned id = 0;
    std::string text;
    bool popup = false;
    bool separator = false;
    bool isDefault = false;
    std::vector<std::unique_ptr<MenuHandle>> children;
};
}  // namespace ui

namespace ui::headless {

struct TrayEntry {
    std::uint64_t ownerSerial = 0;
    TrayIconRecord record;
};

using MenuNode = MenuHandle;

struct OpenPopupMenu {
    MenuNode* menu = nullptr;
    std::uint64_t ownerSerial = 0;
    unsigned flags = 0;
    Point at;
    std::optional<unsigned> chosen;
    bool closed = false;
};

class HeadlessBackend final : public Backend {
public:
    HeadlessBackend(const ResourceSet& resources, Scheduler& scheduler);
    ~HeadlessBackend() override;

    // --- Test controls ---
    void failTemplate(int templateId, bool fail = true);
    void setTrayAvailable(bool available) { m_trayAvailable = available; }
    // Virtual time up to which timers may fire before the application parks.
    void setTimeLimit(std::uint64_t ms) { m_timeLimit = ms; }
    std::uint64_t timeLimit() const { return m_timeLimit; }
    // Queues work for the application's thread (input from the test).
    void post(std::function<void()> work) { m_posted.push_back(std::move(work)); }
    bool hasPostedWork() const { return !m_posted.empty(); }

    // Windows in z-order, bottom first; message boxes included.
    const std::vector<Window*>& windows() const { return m_zOrder; }
    Window* topWindow() const { return m_zOrder.empty() ? nullptr : m_zOrder.back(); }
    Window* findBySerial(std::uint64_t serial) const;
    Window* foreground() const { return findBySerial(m_foreground); }
    const std::vector<TrayEntry>& trayIcons() const { return m_tray; }
    OpenPopupMenu* openMenu() { return m_openMenu; }
    int cursor() const { return m_cursor; }
    int menusLoaded() const { return m_menusLoaded; }
    int menusDestroyed() const { return m_menusDestroyed; }
    // Control IDs the program addressed that its window does not have: (template, control).
    const std::vector<std::pair<int, int>>& missingControls() const { return m_missingControls; }
    // The taskbar was recreated: every icon is gone until its owner adds it again.
    void clearTrayIcons() { m_tray.clear(); }
    const ResourceSet& resources() const { return m_resources; }

    // --- Input the way the platform delivers it (run on the application thread) ---
    void clickControl(Window& w, int id);
    void typeChar(Window& w, int id, char c);
    void chooseComboItem(Window& w, int id, int index);
    void spinBy(Window& w, int id, int delta);
    void pressEnter(Window& w);
    void pressEscape(Window& w);
    void sysCommand(Window& w, unsigned cmd);
    void mouseMove(Window& w, int id);
    void answerMessageBox(Window& w, int button);
    void sendMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);

    // --- Backend ---
    int runModal(Dialog& dlg) override;
    void endDialog(Window& w, int result) override;
    void setTimer(Window& w, unsigned id, unsigned ms) override;
    void killTimer(Window& w, unsigned id) override;
    void showWindow(Window& w, int cmd) override;
    bool isVisible(const Window& w) const override { return w.visible; }
    void setForeground(Window& w) override { m_foreground = w.serial; }
    void setIcon(Window& w, int iconResource) override { w.icon = iconResource; }
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
    void setCursor(int cursorResource) override { m_cursor = cursorResource; }

    MenuHandle* loadMenu(int menuResource) override;
    MenuHandle* subMenu(MenuHandle& menu, int position) override;
    void setDefaultMenuItem(MenuHandle& menu, unsigned command) override;
    void trackPopupMenu(MenuHandle& menu, unsigned flags, Point at, Window& owner) override;
    void destroyMenu(MenuHandle* menu) override;
    Point cursorPos() const override { return m_cursorPos; }

    bool trayAdd(Window& owner, const TrayIconRecord& record) override;
    bool trayDelete(Window& owner, std::uint32_t iconId) override;
    unsigned registerWindowMessage(std::string_view name) override;
    std::string loadString(int id) const override;

    Point m_cursorPos{400, 300};

private:
    std::unique_ptr<Window> createWindow(Dialog& dlg, const DialogTemplate& t);
    void runLoop(Window& w);
    void pumpOnce();
    Timer* nextTimer(Window** owner);
    void fireTimer(Window& w, Timer& t);
    void destroyWindow(Window& w);
    void dispatchCommand(Window& w, int id, int code);
    void setVisible(Window& w, bool show);
    Control* find(Window& w, int id);
    const Control* find(const Window& w, int id) const;
    void pushModal(Window& w);
    void popModal(Window& w);

    const ResourceSet& m_resources;
    Scheduler& m_scheduler;
    std::vector<Window*> m_zOrder;
    std::deque<std::function<void()>> m_posted;
    std::set<int> m_failingTemplates;
    std::vector<TrayEntry> m_tray;
    std::vector<std::pair<std::string, unsigned>> m_registered;
    std::vector<std::unique_ptr<MenuHandle>> m_menus;
    OpenPopupMenu* m_openMenu = nullptr;
    std::uint64_t m_timeLimit = 0;
    std::uint64_t m_nextSerial = 1;
    std::uint64_t m_timerSeq = 0;
    std::uint64_t m_foreground = 0;
    int m_cursor = 0;
    int m_menusLoaded = 0;
    int m_menusDestroyed = 0;
    bool m_trayAvailable = true;
    std::vector<std::pair<int, int>> m_missingControls;
};

}  // namespace ui::headless
