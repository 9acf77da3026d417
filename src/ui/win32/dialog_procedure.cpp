#include "ui/win32/dialog_procedure.h"

#include <exception>

#include "ui/app.h"
#include "ui/win32/picture_scaling.h"
#include "ui/win32/resources.h"

namespace ui::win32 {

namespace {

thread_local Window* t_expectedCreation = nullptr;
thread_local std::exception_ptr t_handlerException;

// The framework's help command, which F1 (WM_HELP) sends to the main window.
constexpr WPARAM kHelpCommand = 0xE146;

Window* WindowOf(HWND hwnd) {
    auto* w = reinterpret_cast<Window*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    if (w == nullptr && t_expectedCreation != nullptr) {
        w = std::exchange(t_expectedCreation, nullptr);
        w->hwnd.reset(hwnd);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(w));
    }
    return w;
}

INT_PTR ControlColour(Window& w, HDC dc, int ctrlId) {
    const CtlColor colour = w.dialog.OnCtlColor(ctrlId);
    if (colour.useDefault) return FALSE;
    ::SetBkMode(dc, colour.transparent ? TRANSPARENT : OPAQUE);
    if (!colour.transparent) ::SetBkColor(dc, colour.brush);
    ::SetTextColor(dc, colour.text);
    return reinterpret_cast<INT_PTR>(w.brushFor(colour.brush));
}

HICON MinimisedIcon(Window& w) {
    const int id = w.dialog.IconResource();
    if (id == 0) return nullptr;
    if (!w.paintIcon || w.paintIconResource != id) {
        w.paintIcon = LoadIconResource(
            reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(w.handle(), GWLP_HINSTANCE)), id, SM_CXICON);
        w.paintIconResource = id;
    }
    return w.paintIcon.get();
}

void PaintMinimised(Window& w) {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(w.handle(), &ps);
    ::SendMessageW(w.handle(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    if (HICON icon = MinimisedIcon(w)) {
        RECT client;
        ::GetClientRect(w.handle(), &client);
        const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
        ::DrawIcon(dc, x, y, icon);
    }
    ::EndPaint(w.handle(), &ps);
}

// F1 without modifiers becomes the help command of the main window.
bool ForwardHelpKey() {
    if (::GetKeyState(VK_SHIFT) < 0 || ::GetKeyState(VK_CONTROL) < 0 || ::GetKeyState(VK_MENU) < 0) return false;
    WinApp* app = AfxGetApp();
    if (app == nullptr || app->m_pMainWnd == nullptr || app->m_pMainWnd->window() == nullptr) return false;
    ::SendMessageW(app->m_pMainWnd->window()->handle(), WM_COMMAND, kHelpCommand, 0);
    return true;
}

INT_PTR Route(Window& w, UINT msg, WPARAM wParam, LPARAM lParam) {
    Dialog& dlg = w.dialog;
    switch (msg) {
        case WM_INITDIALOG:
            w.templatePictures = ScaleTemplatePictures(w.handle(), ScreenDpi());
            return dlg.OnInitDialog() ? TRUE : FALSE;
        case WM_COMMAND: dlg.OnCommand(LOWORD(wParam), HIWORD(wParam)); return TRUE;
        case WM_TIMER: dlg.OnTimer(static_cast<unsigned>(wParam)); return TRUE;
        case WM_SYSCOMMAND: return dlg.OnSysCommand(static_cast<unsigned>(wParam)) ? TRUE : FALSE;
        case WM_WINDOWPOSCHANGING: {
            auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
            unsigned flags = pos->flags;
            dlg.OnWindowPosChanging(flags);
            pos->flags = flags;
            return FALSE;  // the default processing still runs
        }
        case WM_CTLCOLORDLG: return ControlColour(w, reinterpret_cast<HDC>(wParam), 0);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return ControlColour(w, reinterpret_cast<HDC>(wParam), ::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)));
        case WM_VSCROLL:
        case WM_HSCROLL:
            if (lParam == 0) return FALSE;  // the window's own scroll bar: not ours
            dlg.OnScroll(::GetDlgCtrlID(reinterpret_cast<HWND>(lParam)),
                         LOWORD(wParam),
                         static_cast<short>(HIWORD(wParam)),
                         msg == WM_HSCROLL);
            return TRUE;
        case WM_PAINT:
            if (!::IsIconic(w.handle())) return FALSE;
            PaintMinimised(w);
            return TRUE;
        case WM_QUERYDRAGICON: return reinterpret_cast<INT_PTR>(MinimisedIcon(w));
        case WM_HELP: return ForwardHelpKey() ? TRUE : FALSE;
        default:
            if (msg >= WM_USER) {
                std::intptr_t result = 0;
                if (!dlg.OnMessage(msg, wParam, lParam, result)) return FALSE;
                ::SetWindowLongPtrW(w.handle(), DWLP_MSGRESULT, result);
                return TRUE;
            }
            return FALSE;
    }
}

}  // namespace

void ExpectCreation(Window* w) { t_expectedCreation = w; }

void RethrowHandlerException() {
    if (t_handlerException) std::rethrow_exception(std::exchange(t_handlerException, nullptr));
}

INT_PTR CALLBACK DialogProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = WindowOf(hwnd);
    if (w == nullptr) return FALSE;
    if (msg == WM_NCDESTROY) {
        // Our own destruction detaches first, so this window went away behind
        // our back: its run ends with the result it has.
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        w->hwnd.release();
        w->ended = true;
        return FALSE;
    }
    if (t_handlerException) return FALSE;
    try {
        return Route(*w, msg, wParam, lParam);
    } catch (...) {
        t_handlerException = std::current_exception();
        return FALSE;
    }
}

}  // namespace ui::win32
