// The dialog class the application's windows derive from. Operation names follow
// the Windows dialog framework the windows were designed against, so each step of
// a window's behaviour maps to one call here. All window work is forwarded to the
// active backend (real Win32 windows, or the in-memory headless windows).
#pragma once

#include "ui/refuse_windows_macros.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win_types.h"

namespace ui {

struct Window;  // backend-owned native window state
class DataExchange;

// What a control is painted with: the answer to a control-colour request.
struct CtlColor {
    Colour text = kBlack;
    bool transparent = false;  // text background mode
    Colour brush = kWhite;     // background brush colour
    bool useDefault = true;    // true: let the platform paint as usual
};

// Font attributes for SetFont (a LOGFONT subset).
struct FontSpec {
    int height = 8;
    int weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    int charSet = 1;
    int outPrecision = 2;
    int clipPrecision = 1;
    std::string face = "MS Sans Serif";
};

class Dialog {
public:
    explicit Dialog(int templateId, Dialog* parent = nullptr);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // -1 when the window cannot be created, else the value given to EndDialog.
    int DoModal();
    void EndDialog(int result);

    int templateId() const { return m_templateId; }
    Dialog* parent() const { return m_parent; }
    bool hasWindow() const { return m_window != nullptr; }
    Window* window() const { return m_window; }

    // --- Overridables (called by the backend on the dialog's thread) ---
    virtual bool OnInitDialog() { return true; }
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Every WM_COMMAND: controls (id, notification code), menus and accelerators (code 0).
    // The default sends IDOK to OnOK and IDCANCEL to OnCancel.
    virtual void OnCommand(int id, int code);
    virtual void OnTimer(unsigned id) { (void)id; }
    // WM_SYSCOMMAND. Return false to let the default handling run (close, minimise, ...).
    virtual bool OnSysCommand(unsigned cmd) {
        (void)cmd;
        return false;
    }
    // Spin (up-down) notifications arrive as scroll messages with the position.
    virtual void OnScroll(int ctrlId, int code, int pos, bool horizontal) {
        (void)ctrlId;
        (void)code;
        (void)pos;
        (void)horizontal;
    }
    // WM_WINDOWPOSCHANGING: may clear SWP_SHOWWINDOW in `flags`.
    virtual void OnWindowPosChanging(unsigned& flags) { (void)flags; }
    // Control-colour decision; ctrlId 0 means the dialog background itself.
    virtual CtlColor OnCtlColor(int ctrlId) {
        (void)ctrlId;
        return {};
    }
    // Mouse moved over a control (pre-translation); return a cursor resource ID or 0.
    virtual int CursorFor(int ctrlId) {
        (void)ctrlId;
        return 0;
    }
    // Any other message (registered and WM_USER range). Return true when handled.
    virtual bool OnMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam, std::intptr_t& result) {
        (void)msg;
        (void)wParam;
        (void)lParam;
        (void)result;
        return false;
    }
    // Icon drawn while minimised and returned for drag; 0 = none.
    virtual int IconResource() const { return 0; }
    virtual void DoDataExchange(DataExchange& dx) { (void)dx; }

    // true: controls -> members; false: members -> controls. The windows
    // exchange only texts, which cannot be refused, so this is false only
    // when the dialog has no window (it was never created or has ended).
    bool UpdateData(bool save = true);

    // --- Window operations ---
    void SetTimer(unsigned id, unsigned ms);
    void KillTimer(unsigned id);
    void ShowWindow(int cmd);
    bool IsWindowVisible() const;
    void SetForegroundWindow();
    void SetIcon(int iconResource);
    bool HasSystemMenu() const;
    void AppendSystemMenuSeparator();
    void AppendSystemMenuItem(unsigned id, std::string_view text);
    void PostMessage(unsigned msg, std::uintptr_t wParam = 0, std::intptr_t lParam = 0);

    // --- Controls by ID ---
    void SetDlgItemText(int id, std::string_view text);  // an edit raises EN_CHANGE
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, long value, bool isSigned = true);
    void CheckDlgButton(int id, int state);
    int IsDlgButtonChecked(int id) const;
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);
    void RedrawItem(int id);  // invalidate, erase, update at once

    // Combo box.
    int ComboAddString(int id, std::string_view text);  // sorted lists insert in order
    void ComboResetContent(int id);
    int ComboSelectString(int id, int startAfter, std::string_view prefix);  // CB_ERR (-1) when none
    int ComboGetCurSel(int id) const;
    std::string ComboGetLBText(int id, int index) const;

    // Spin (up-down) and progress.
    void SpinSetRange(int id, int lo, int hi);
    void SpinSetPos(int id, int pos);
    void ProgressSetRange(int id, int lo, int hi);
    void ProgressSetPos(int id, int pos);

    // Picture: show a bitmap resource (0 clears the picture).
    void SetPictureBitmap(int id, int bitmapResource);
    void SetItemFont(int id, const FontSpec& font);

protected:
    void OnDefaultCommand(int id);

private:
    friend struct BackendAccess;
    int m_templateId;
    Dialog* m_parent;
    Window* m_window = nullptr;
    bool m_modalRunning = false;
};

// Dialog data exchange: UpdateData(true) reads controls into members, false writes them.
class DataExchange {
public:
    DataExchange(Dialog& dlg, bool saving) : m_dlg(dlg), m_saving(saving) {}
    bool saving() const { return m_saving; }
    Dialog& dialog() { return m_dlg; }

private:
    Dialog& m_dlg;
    bool m_saving;
};

void DDX_Text(DataExchange& dx, int id, std::string& value);
void DDX_CBString(DataExchange& dx, int id, std::string& value);

// Plain message box owned by the active window of the thread; returns the button.
int MessageBox(std::string_view text, std::string_view caption, unsigned type = MB_OK);
// The framework's message box: the application's name as caption.
int AfxMessageBox(std::string_view text, unsigned type = MB_OK);

// Cursor from a resource ID (a hand cursor over links and buttons).
void SetCursorResource(int cursorResource);

}  // namespace ui
