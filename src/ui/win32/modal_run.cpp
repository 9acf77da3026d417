// Modal runs: the dialog is created modeless from its template and driven by
// our own loop, so that every window of the thread keeps receiving its
// messages (the main window's timers fire while a popup is open) and so that a
// handler's exception can leave the loop in an orderly way.
#include <string_view>
#include <vector>

#include "ui/win32/dialog_procedure.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

bool IsDialogClass(HWND hwnd) {
    wchar_t name[16];
    const int n = ::GetClassNameW(hwnd, name, 16);
    return n == 6 && std::wstring_view(name, 6) == L"#32770";
}

// Stops at the first visible, enabled dialog (ours or a message box) of the thread.
BOOL CALLBACK FindEnabledDialog(HWND hwnd, LPARAM lParam) {
    if (!::IsWindowVisible(hwnd) || !::IsWindowEnabled(hwnd) || !IsDialogClass(hwnd)) return TRUE;
    *reinterpret_cast<HWND*>(lParam) = hwnd;
    return FALSE;
}

// Everything a modal run changes outside its own window, undone in the right
// order however the run ends.
class ModalScope {
public:
    ModalScope(std::vector<Window*>& running, Window& w, HWND owner) : m_running(running), m_window(w), m_owner(owner) {
        if (m_owner != nullptr && ::IsWindowEnabled(m_owner)) {
            ::EnableWindow(m_owner, FALSE);
            m_disabledOwner = true;
        }
        m_running.push_back(&w);
        BackendAccess::attach(w.dialog, &w);
    }
    ~ModalScope() {
        // Enable the owner before the window disappears, so that activation
        // returns to it rather than to another program's window.
        if (m_disabledOwner) ::EnableWindow(m_owner, TRUE);
        if (HWND h = m_window.handle())
            ::SetWindowPos(
                h, nullptr, 0, 0, 0, 0, SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        BackendAccess::attach(m_window.dialog, nullptr);
        std::erase(m_running, &m_window);
    }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

private:
    std::vector<Window*>& m_running;
    Window& m_window;
    HWND m_owner;
    bool m_disabledOwner = false;
};

}  // namespace

HWND Win32Backend::pickOwner() const {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), FindEnabledDialog, reinterpret_cast<LPARAM>(&found));
    if (found != nullptr) return found;
    // Nothing visible (the main window stays hidden): the innermost run owns.
    for (auto it = m_running.rbegin(); it != m_running.rend(); ++it)
        if ((*it)->handle() != nullptr) return (*it)->handle();
    return nullptr;
}

Window* Win32Backend::runningWindowOf(HWND hwnd) const {
    if (hwnd == nullptr) return nullptr;
    HWND root = ::GetAncestor(hwnd, GA_ROOT);
    for (Window* w : m_running)
        if (w->handle() == root) return w;
    return nullptr;
}

bool Win32Backend::preTranslate(MSG& msg) {
    Window* target = runningWindowOf(msg.hwnd);
    if (target == nullptr) return false;
    if (msg.message == WM_MOUSEMOVE && msg.hwnd != target->handle()) {
        // The control is the dialog's direct child, also when the mouse is over
        // a part of it (a combo box's edit).
        HWND control = msg.hwnd;
        while (::GetParent(control) != target->handle() && ::GetParent(control) != nullptr)
            control = ::GetParent(control);
        if (const int cursor = target->dialog.CursorFor(::GetDlgCtrlID(control))) setCursor(cursor);
    }
    return ::IsDialogMessageW(target->handle(), &msg) != FALSE;
}

void Win32Backend::runMessageLoop(Window& w) {
    MSG msg;
    while (!w.ended) {
        const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // WM_QUIT ends every loop: hand it on to the enclosing one.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            w.result = -1;
            return;
        }
        if (got == -1) {
            w.result = -1;
            return;
        }
        if (!preTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        RethrowHandlerException();
    }
}

int Win32Backend::runModal(Dialog& dlg) {
    HWND owner = pickOwner();
    Window w(dlg);
    ModalScope scope(m_running, w, owner);

    ExpectCreation(&w);
    HWND created = ::CreateDialogParamW(m_instance, MAKEINTRESOURCEW(dlg.templateId()), owner, DialogProcedure, 0);
    ExpectCreation(nullptr);
    RethrowHandlerException();
    if (created == nullptr) return -1;

    // Like the dialog manager, show the window once it is initialised, unless
    // it was ended during initialisation. A window-position handler may still
    // veto the showing.
    if (!w.ended && !::IsWindowVisible(created)) ::ShowWindow(created, SW_SHOWNORMAL);
    runMessageLoop(w);
    return w.result;
}

void Win32Backend::endDialog(Window& w, int result) {
    w.ended = true;
    w.result = result;
    // Wakes the loop when no other message is pending.
    if (w.handle() != nullptr) ::PostMessageW(w.handle(), WM_NULL, 0, 0);
}

}  // namespace ui::win32
