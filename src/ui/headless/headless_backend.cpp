#include "ui/headless/headless_backend.h"

#include <algorithm>
#include <cctype>

#include "os/headless/machine.h"

namespace ui {

headless::Control* Window::control(int id) {
    for (auto& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

const headless::Control* Window::control(int id) const {
    for (const auto& c : controls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace ui

namespace ui::headless {

namespace {

constexpr std::uint32_t kWsVisible = 0x10000000;
constexpr std::uint32_t kWsDisabled = 0x08000000;
constexpr std::uint32_t kWsGroup = 0x00020000;
constexpr std::uint32_t kWsSysMenu = 0x00080000;
constexpr std::uint32_t kSsTypeMask = 0x1F;
constexpr std::uint32_t kSsIcon = 0x3;
constexpr std::uint32_t kSsBitmap = 0xE;
constexpr std::uint32_t kSsNotify = 0x100;
constexpr std::uint32_t kCbsSort = 0x100;
constexpr std::uint32_t kUdsHorz = 0x40;
constexpr unsigned kWmCommand = 0x0111;
constexpr unsigned kWmSysCommand = 0x0112;
constexpr unsigned kUserTimerMinimum = 10;

Control controlFromTemplate(const DialogItemTemplate& item) {
    Control c;
    c.id = item.id;
    c.style = item.style;
    c.text = item.text;
    c.visible = (item.style & kWsVisible) != 0;
    c.enabled = (item.style & kWsDisabled) == 0;
    c.groupStart = (item.style & kWsGroup) != 0;
    switch (item.cls) {
        case ControlClass::Button:
            switch (item.style & 0xF) {
                case 0x1:
                    c.kind = ControlKind::PushButton;
                    c.defaultButton = true;
                    break;
                case 0x2:
                case 0x5: c.kind = ControlKind::CheckBox; break;
                case 0x3:
                case 0x6:
                    c.kind = ControlKind::CheckBox;
                    c.autoToggle = true;
                    break;
                case 0x4: c.kind = ControlKind::RadioButton; break;
                case 0x9:
                    c.kind = ControlKind::RadioButton;
                    c.autoToggle = true;
                    break;
                case 0x7: c.kind = ControlKind::GroupBox; break;
                default: c.kind = ControlKind::PushButton; break;
            }
            break;
        case ControlClass::Static:
            c.notify = (item.style & kSsNotify) != 0;
            if ((item.style & kSsTypeMask) == kSsBitmap) {
                c.kind = ControlKind::Picture;
                c.bitmap = item.textOrdinal;
                c.text.clear();
            } else if ((item.style & kSsTypeMask) == kSsIcon) {
                c.kind = ControlKind::Icon;
                c.bitmap = item.textOrdinal;
            } else
                c.kind = ControlKind::Static;
            break;
        case ControlClass::Edit: c.kind = ControlKind::Edit; break;
        case ControlClass::ComboBox:
            c.kind = ControlKind::ComboBox;
            c.sorted = (item.style & kCbsSort) != 0;
            c.text.clear();
            break;
        case ControlClass::UpDown:
            c.kind = ControlKind::UpDown;
            c.horizontal = (item.style & kUdsHorz) != 0;
            c.lo = 100;
            c.hi = 0;
            break;
        case ControlClass::Progress:
            c.kind = ControlKind::Progress;
            c.text.clear();
            break;
        default: c.kind = ControlKind::Other; break;
    }
    return c;
}

std::string lower(std::string_view s) {
    std::string r(s);
    for (char& ch : r) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return r;
}

int clampTo(int value, int a, int b) { return std::clamp(value, std::min(a, b), std::max(a, b)); }

std::unique_ptr<MenuHandle> buildMenu(const std::vector<MenuItemTemplate>& items) {
    auto node = std::make_unique<MenuHandle>();
    node->popup = true;
    for (const auto& item : items) {
        std::unique_ptr<MenuHandle> child = item.popup ? buildMenu(item.children) : std::make_unique<MenuHandle>();
        child->id = item.id;
        child->text = item.text;
        child->popup = item.popup;
        child->separator = item.separator;
        node->children.push_back(std::move(child));
    }
    return node;
}

// Keeps the z-order and the dialog's window pointer right however a modal run ends,
// including the unwinding of a torn-down test run.
class ModalScope {
public:
    ModalScope(std::function<void()> onExit) : m_onExit(std::move(onExit)) {}
    ~ModalScope() { m_onExit(); }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    std::function<void()> m_onExit;
};

}  // namespace

HeadlessBackend::HeadlessBackend(const ResourceSet& resources, Scheduler& scheduler)
    : m_resources(resources), m_scheduler(scheduler) {}

HeadlessBackend::~HeadlessBackend() = default;

void HeadlessBackend::failTemplate(int templateId, bool fail) {
    if (fail)
        m_failingTemplates.insert(templateId);
    else
        m_failingTemplates.erase(templateId);
}

Window* HeadlessBackend::findBySerial(std::uint64_t serial) const {
    for (Window* w : m_zOrder)
        if (w->serial == serial) return w;
    return nullptr;
}

Control* HeadlessBackend::find(Window& w, int id) {
    Control* c = w.control(id);
    if (!c) m_missingControls.emplace_back(w.templateId, id);
    return c;
}

const Control* HeadlessBackend::find(const Window& w, int id) const { return w.control(id); }

// ---------------------------------------------------------------- modal runs

std::unique_ptr<Window> HeadlessBackend::createWindow(Dialog& dlg, const DialogTemplate& t) {
    auto w = std::make_unique<Window>();
    w->kind = WindowKind::Dialog;
    w->serial = m_nextSerial++;
    w->dialog = &dlg;
    w->templateId = t.id;
    w->style = t.style;
    w->caption = t.caption;
    for (const auto& item : t.items) w->controls.push_back(controlFromTemplate(item));
    return w;
}

void HeadlessBackend::pushModal(Window& w) {
    if (Window* owner = topWindow(); owner && owner->enabled) {
        owner->enabled = false;
        w.disabledOwner = owner->serial;
    }
    m_zOrder.push_back(&w);
    m_foreground = w.serial;
}

void HeadlessBackend::popModal(Window& w) {
    std::erase(m_zOrder, &w);
    if (Window* owner = findBySerial(w.disabledOwner)) owner->enabled = true;
    if (m_foreground == w.serial) m_foreground = m_zOrder.empty() ? 0 : m_zOrder.back()->serial;
}

int HeadlessBackend::runModal(Dialog& dlg) {
    const DialogTemplate* t = m_resources.dialog(dlg.templateId());
    if (!t || m_failingTemplates.count(dlg.templateId())) return -1;
    std::unique_ptr<Window> owned = createWindow(dlg, *t);
    Window& w = *owned;
    pushModal(w);
    BackendAccess::attach(dlg, &w);
    ModalScope scope([&] {
        popModal(w);
        BackendAccess::attach(dlg, nullptr);
    });
    dlg.OnInitDialog();
    // A modal dialog is shown after its initialisation whatever its template says,
    // unless the initialisation already ended it.
    if (!w.ended) setVisible(w, true);
    runLoop(w);
    return w.result;
}

void HeadlessBackend::endDialog(Window& w, int result) {
    w.result = result;
    w.ended = true;
}

void HeadlessBackend::runLoop(Window& w) {
    while (!w.ended) pumpOnce();
}

void HeadlessBackend::pumpOnce() {
    if (!m_posted.empty()) {
        auto work = std::move(m_posted.front());
        m_posted.pop_front();
        work();
        return;
    }
    auto& machine = os::headless::machine();
    Window* owner = nullptr;
    Timer* timer = nextTimer(&owner);
    if (timer && timer->due <= std::max(machine.now(), m_timeLimit)) {
        if (timer->due > machine.now()) machine.setNow(timer->due);
        fireTimer(*owner, *timer);
        return;
    }
    if (machine.now() < m_timeLimit) machine.setNow(m_timeLimit);
    m_scheduler.park();
}

Timer* HeadlessBackend::nextTimer(Window** owner) {
    Timer* best = nullptr;
    for (Window* w : m_zOrder) {
        if (w->ended) continue;
        for (Timer& t : w->timers) {
            if (!best || t.due < best->due || (t.due == best->due && t.seq < best->seq)) {
                best = &t;
                *owner = w;
            }
        }
    }
    return best;
}

void HeadlessBackend::fireTimer(Window& w, Timer& t) {
    // One message however late: the next one is an interval after this one is handled.
    t.due = os::headless::machine().now() + t.interval;
    const unsigned id = t.id;
    if (w.dialog) w.dialog->OnTimer(id);
}

void HeadlessBackend::setTimer(Window& w, unsigned id, unsigned ms) {
    const unsigned interval = std::max(ms, kUserTimerMinimum);
    const std::uint64_t due = os::headless::machine().now() + interval;
    for (Timer& t : w.timers) {
        if (t.id == id) {
            t.interval = interval;
            t.due = due;
            return;
        }
    }
    w.timers.push_back({id, interval, due, m_timerSeq++});
}

void HeadlessBackend::killTimer(Window& w, unsigned id) {
    std::erase_if(w.timers, [id](const Timer& t) { return t.id == id; });
}

// ---------------------------------------------------------------- window state

void HeadlessBackend::setVisible(Window& w, bool show) {
    unsigned flags = show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    if (w.dialog) w.dialog->OnWindowPosChanging(flags);
    if (show && (flags & SWP_SHOWWINDOW)) w.visible = true;
    if (!show && (flags & SWP_HIDEWINDOW)) w.visible = false;
}

void HeadlessBackend::showWindow(Window& w, int cmd) {
    switch (cmd) {
        case SW_HIDE: setVisible(w, false); break;
        case SW_MINIMIZE:
        case SW_SHOWMINIMIZED:
        case SW_SHOWMINNOACTIVE:
            w.iconic = true;
            setVisible(w, true);
            break;
        case SW_SHOWNORMAL:
        case SW_RESTORE:
            w.iconic = false;
            setVisible(w, true);
            break;
        default: setVisible(w, true); break;
    }
}

bool HeadlessBackend::hasSystemMenu(const Window& w) const { return (w.style & kWsSysMenu) != 0; }

void HeadlessBackend::appendSystemMenu(Window& w, unsigned id, std::string_view text, bool separator) {
    w.systemMenuAdditions.emplace_back(separator ? 0u : id, separator ? std::string() : std::string(text));
}

void HeadlessBackend::postMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    const std::uint64_t serial = w.serial;
    post([this, serial, msg, wParam, lParam] {
        if (Window* target = findBySerial(serial)) sendMessage(*target, msg, wParam, lParam);
    });
}

void HeadlessBackend::sendMessage(Window& w, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == WM_NULL) return;
    if (msg == kWmCommand) {
        dispatchCommand(w, static_cast<int>(wParam & 0xFFFF), static_cast<int>((wParam >> 16) & 0xFFFF));
        return;
    }
    if (msg == kWmSysCommand) {
        sysCommand(w, static_cast<unsigned>(wParam));
        return;
    }
    std::intptr_t result = 0;
    if (w.dialog) w.dialog->OnMessage(msg, wParam, lParam, result);
}

void HeadlessBackend::dispatchCommand(Window& w, int id, int code) {
    if (w.dialog) w.dialog->OnCommand(id, code);
}

// ---------------------------------------------------------------- controls

void HeadlessBackend::setItemText(Window& w, int id, std::string_view text) {
    Control* c = find(w, id);
    if (!c) return;
    c->text = text;
    c->textHistory.emplace_back(text);
    // An edit control tells its parent about every change, programmatic ones included.
    if (c->kind == ControlKind::Edit) dispatchCommand(w, id, EN_CHANGE);
}

std::string HeadlessBackend::itemText(const Window& w, int id) const {
    const Control* c = find(w, id);
    return c ? c->text : std::string();
}

void HeadlessBackend::setCheck(Window& w, int id, int state) {
    if (Control* c = find(w, id)) c->check = state;
}
int HeadlessBackend::check(const Window& w, int id) const {
    const Control* c = find(w, id);
    return c ? c->check : 0;
}
void HeadlessBackend::enableItem(Window& w, int id, bool enable) {
    if (Control* c = find(w, id)) c->enabled = enable;
}
void HeadlessBackend::showItem(Window& w, int id, bool show) {
    if (Control* c = find(w, id)) c->visible = show;
}
void HeadlessBackend::redrawItem(Window& w, int id) {
    if (Control* c = find(w, id)) ++c->redraws;
}

int HeadlessBackend::comboAdd(Window& w, int id, std::string_view text) {
    Control* c = find(w, id);
    if (!c) return -1;
    auto at = c->items.end();
    if (c->sorted) {
        const std::string key = lower(text);
        at = std::find_if(c->items.begin(), c->items.end(), [&](const std::string& s) { return lower(s) > key; });
    }
    const int index = static_cast<int>(at - c->items.begin());
    c->items.insert(at, std::string(text));
    if (c->selection >= index) ++c->selection;
    return index;
}

void HeadlessBackend::comboReset(Window& w, int id) {
    if (Control* c = find(w, id)) {
        c->items.clear();
        c->selection = -1;
        c->text.clear();
    }
}

int HeadlessBackend::comboSelectString(Window& w, int id, int startAfter, std::string_view prefix) {
    Control* c = find(w, id);
    if (!c || c->items.empty()) return -1;
    const int n = static_cast<int>(c->items.size());
    const int start = (startAfter < 0 || startAfter >= n) ? 0 : startAfter + 1;
    const std::string key = lower(prefix);
    for (int k = 0; k < n; ++k) {
        const int i = (start + k) % n;
        if (lower(c->items[i]).starts_with(key)) {
            c->selection = i;
            c->text = c->items[i];
            return i;
        }
    }
    return -1;
}

int HeadlessBackend::comboCurSel(const Window& w, int id) const {
    const Control* c = find(w, id);
    return c ? c->selection : -1;
}

std::string HeadlessBackend::comboText(const Window& w, int id, int index) const {
    const Control* c = find(w, id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return {};
    return c->items[index];
}

void HeadlessBackend::spinSetRange(Window& w, int id, int lo, int hi) {
    if (Control* c = find(w, id)) {
        c->lo = lo;
        c->hi = hi;
        c->pos = clampTo(c->pos, lo, hi);
    }
}
void HeadlessBackend::spinSetPos(Window& w, int id, int pos) {
    if (Control* c = find(w, id)) c->pos = clampTo(pos, c->lo, c->hi);
}

void HeadlessBackend::progressSetRange(Window& w, int id, int lo, int hi) {
    if (Control* c = find(w, id)) {
        c->lo = lo;
        c->hi = hi;
    }
}

void HeadlessBackend::progressSetPos(Window& w, int id, int pos) {
    if (Control* c = find(w, id)) {
        c->pos = clampTo(pos, c->lo, c->hi);
        c->positionHistory.push_back(c->pos);
    }
}

void HeadlessBackend::setPicture(Window& w, int id, int bitmapResource) {
    Control* c = find(w, id);
    if (!c) return;
    // A bitmap that cannot be loaded leaves the control empty, as a null image does.
    c->bitmap = (bitmapResource && m_resources.bitmap(bitmapResource)) ? bitmapResource : 0;
}

void HeadlessBackend::setItemFont(Window& w, int id, const FontSpec& font) {
    if (Control* c = find(w, id)) c->font = font;
}

// ---------------------------------------------------------------- message boxes, menus, tray

int HeadlessBackend::messageBox(std::string_view text, std::string_view caption, unsigned type) {
    auto owned = std::make_unique<Window>();
    Window& w = *owned;
    w.kind = WindowKind::MessageBox;
    w.serial = m_nextSerial++;
    w.caption = caption;
    w.text = text;
    w.type = type;
    w.visible = true;
    pushModal(w);
    ModalScope scope([&] { popModal(w); });
    runLoop(w);
    return w.result;
}

MenuHandle* HeadlessBackend::loadMenu(int menuResource) {
    const auto* items = m_resources.menu(menuResource);
    if (!items) return nullptr;
    m_menus.push_back(buildMenu(*items));
    ++m_menusLoaded;
    return m_menus.back().get();
}

MenuHandle* HeadlessBackend::subMenu(MenuHandle& menu, int position) {
    if (position < 0 || position >= static_cast<int>(menu.children.size())) return nullptr;
    MenuHandle* child = menu.children[position].get();
    return child->popup ? child : nullptr;
}

void HeadlessBackend::setDefaultMenuItem(MenuHandle& menu, unsigned command) {
    for (auto& child : menu.children) child->isDefault = !child->popup && child->id == command;
}

void HeadlessBackend::trackPopupMenu(MenuHandle& menu, unsigned flags, Point at, Window& owner) {
    OpenPopupMenu open;
    open.menu = &menu;
    open.ownerSerial = owner.serial;
    open.flags = flags;
    open.at = at;
    m_openMenu = &open;
    ModalScope scope([&] { m_openMenu = nullptr; });
    while (!open.closed) pumpOnce();
    // The choice reaches the owner later, as an ordinary posted command.
    if (open.chosen) postMessage(owner, kWmCommand, *open.chosen, 0);
}

void HeadlessBackend::destroyMenu(MenuHandle* menu) {
    const auto before = m_menus.size();
    std::erase_if(m_menus, [menu](const auto& m) { return m.get() == menu; });
    if (m_menus.size() != before) ++m_menusDestroyed;
}

bool HeadlessBackend::trayAdd(Window& owner, const TrayIconRecord& record) {
    if (!m_trayAvailable) return false;
    for (const auto& e : m_tray) {
        if (e.ownerSerial == owner.serial && e.record.iconId == record.iconId) return false;
    }
    m_tray.push_back({owner.serial, record});
    return true;
}

bool HeadlessBackend::trayDelete(Window& owner, std::uint32_t iconId) {
    const auto before = m_tray.size();
    std::erase_if(m_tray,
                  [&](const TrayEntry& e) { return e.ownerSerial == owner.serial && e.record.iconId == iconId; });
    return m_tray.size() != before;
}

unsigned HeadlessBackend::registerWindowMessage(std::string_view name) {
    const std::string key = lower(name);
    for (const auto& [n, id] : m_registered)
        if (n == key) return id;
    const unsigned id = 0xC000 + static_cast<unsigned>(m_registered.size());
    m_registered.emplace_back(key, id);
    return id;
}

std::string HeadlessBackend::loadString(int id) const { return m_resources.string(id).value_or(std::string()); }

// ---------------------------------------------------------------- input

void HeadlessBackend::clickControl(Window& w, int id) {
    Control* c = find(w, id);
    if (!c) return;
    switch (c->kind) {
        case ControlKind::CheckBox:
            if (c->autoToggle) c->check = c->check ? 0 : 1;
            break;
        case ControlKind::RadioButton:
            if (c->autoToggle) {
                // Auto radio buttons clear the others of their group.
                auto self =
                    std::find_if(w.controls.begin(), w.controls.end(), [id](const Control& k) { return k.id == id; });
                auto first = self;
                while (first != w.controls.begin() && !first->groupStart) --first;
                for (auto it = first; it != w.controls.end(); ++it) {
                    if (it != first && it->groupStart) break;
                    if (it->kind == ControlKind::RadioButton && it->autoToggle) it->check = 0;
                }
                c->check = 1;
            }
            break;
        case ControlKind::Static:
        case ControlKind::Picture:
        case ControlKind::Icon:
            if (!c->notify) return;
            break;
        default: break;
    }
    dispatchCommand(w, id, BN_CLICKED);
}

void HeadlessBackend::typeChar(Window& w, int id, char ch) {
    Control* c = find(w, id);
    if (!c) return;
    if (ch == '\b') {
        if (!c->text.empty()) c->text.pop_back();
    } else
        c->text.push_back(ch);
    dispatchCommand(w, id, EN_CHANGE);
}

void HeadlessBackend::chooseComboItem(Window& w, int id, int index) {
    Control* c = find(w, id);
    if (!c || index < 0 || index >= static_cast<int>(c->items.size())) return;
    c->selection = index;
    // As on Windows, the edit part still shows the old text while CBN_SELCHANGE is handled.
    const std::string chosen = c->items[index];
    dispatchCommand(w, id, CBN_SELCHANGE);
    if (Control* again = w.control(id)) again->text = chosen;
}

void HeadlessBackend::spinBy(Window& w, int id, int delta) {
    Control* c = find(w, id);
    if (!c) return;
    const int step = c->lo <= c->hi ? delta : -delta;
    c->pos = clampTo(c->pos + step, c->lo, c->hi);
    const int pos = c->pos;
    const bool horizontal = c->horizontal;
    if (w.dialog) {
        w.dialog->OnScroll(id, SB_THUMBPOSITION, pos, horizontal);
        w.dialog->OnScroll(id, SB_ENDSCROLL, pos, horizontal);
    }
}

void HeadlessBackend::pressEnter(Window& w) {
    if (w.kind == WindowKind::MessageBox) {
        answerMessageBox(w, (w.type & MB_TYPEMASK) == MB_YESNO ? IDYES : IDOK);
        return;
    }
    int id = IDOK;
    for (const Control& c : w.controls)
        if (c.defaultButton) {
            id = c.id;
            break;
        }
    if (const Control* c = w.control(id); c && c->kind == ControlKind::PushButton && !c->enabled) return;
    dispatchCommand(w, id, BN_CLICKED);
}

void HeadlessBackend::pressEscape(Window& w) {
    if (w.kind == WindowKind::MessageBox) {
        const unsigned buttons = w.type & MB_TYPEMASK;
        if (buttons == MB_YESNO) return;  // no Cancel: Esc does nothing
        answerMessageBox(w, buttons == MB_OK ? IDOK : IDCANCEL);
        return;
    }
    dispatchCommand(w, IDCANCEL, BN_CLICKED);
}

void HeadlessBackend::sysCommand(Window& w, unsigned cmd) {
    if (w.dialog && w.dialog->OnSysCommand(cmd)) return;
    switch (cmd & 0xFFF0) {
        case SC_CLOSE:
            if (w.kind == WindowKind::MessageBox)
                pressEscape(w);
            else
                dispatchCommand(w, IDCANCEL, BN_CLICKED);
            break;
        case SC_MINIMIZE: w.iconic = true; break;
        default: break;
    }
}

void HeadlessBackend::mouseMove(Window& w, int id) {
    if (!w.dialog) return;
    if (const int cursor = w.dialog->CursorFor(id)) m_cursor = cursor;
}

void HeadlessBackend::answerMessageBox(Window& w, int button) {
    w.result = button;
    w.ended = true;
}

}  // namespace ui::headless

namespace ui {
// Nothing to register: headless controls exist as soon as a template names them.
void InitCommonControls() {}
}  // namespace ui
