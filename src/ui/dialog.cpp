#include "ui/dialog.h"

#include <string>

#include "ui/app.h"
#include "ui/backend.h"

namespace ui {

namespace {
// Per thread, so two program instances can share one simulated machine in tests.
thread_local Backend* g_backend = nullptr;
thread_local WinApp* g_app = nullptr;
}  // namespace

Backend& backend() { return *g_backend; }
void setBackend(Backend* b) { g_backend = b; }

WinApp* AfxGetApp() { return g_app; }

int RunApplication(WinApp& app) {
    WinApp* previous = g_app;
    g_app = &app;
    app.InitInstance();
    g_app = previous;
    return app.m_nExitCode;
}

Dialog::Dialog(int templateId, Dialog* parent) : m_templateId(templateId), m_parent(parent) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
    if (m_modalRunning) return -1;
    m_modalRunning = true;
    const int result = backend().runModal(*this);
    m_modalRunning = false;
    return result;
}

void Dialog::EndDialog(int result) {
    if (m_window) backend().endDialog(*m_window, result);
}

void Dialog::OnCommand(int id, int code) {
    (void)code;
    OnDefaultCommand(id);
}

void Dialog::OnDefaultCommand(int id) {
    if (id == IDOK)
        OnOK();
    else if (id == IDCANCEL)
        OnCancel();
}

bool Dialog::UpdateData(bool save) {
    if (!m_window) return false;
    DataExchange dx(*this, save);
    DoDataExchange(dx);
    return true;
}

void Dialog::SetTimer(unsigned id, unsigned ms) {
    if (m_window) backend().setTimer(*m_window, id, ms);
}
void Dialog::KillTimer(unsigned id) {
    if (m_window) backend().killTimer(*m_window, id);
}
void Dialog::ShowWindow(int cmd) {
    if (m_window) backend().showWindow(*m_window, cmd);
}
bool Dialog::IsWindowVisible() const { return m_window && backend().isVisible(*m_window); }
void Dialog::SetForegroundWindow() {
    if (m_window) backend().setForeground(*m_window);
}
void Dialog::SetIcon(int iconResource) {
    if (m_window) backend().setIcon(*m_window, iconResource);
}
bool Dialog::HasSystemMenu() const { return m_window && backend().hasSystemMenu(*m_window); }
void Dialog::AppendSystemMenuSeparator() {
    if (m_window) backend().appendSystemMenu(*m_window, 0, {}, true);
}
void Dialog::AppendSystemMenuItem(unsigned id, std::string_view text) {
    if (m_window) backend().appendSystemMenu(*m_window, id, text, false);
}
void Dialog::PostMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (m_window) backend().postMessage(*m_window, msg, wParam, lParam);
}

void Dialog::SetDlgItemText(int id, std::string_view text) {
    if (m_window) backend().setItemText(*m_window, id, text);
}
std::string Dialog::GetDlgItemText(int id) const {
    return m_window ? backend().itemText(*m_window, id) : std::string();
}

void Dialog::SetDlgItemInt(int id, long value, bool isSigned) {
    const std::string text =
        isSigned ? std::to_string(value) : std::to_string(static_cast<unsigned long>(static_cast<unsigned>(value)));
    SetDlgItemText(id, text);
}

void Dialog::CheckDlgButton(int id, int state) {
    if (m_window) backend().setCheck(*m_window, id, state);
}
int Dialog::IsDlgButtonChecked(int id) const { return m_window ? backend().check(*m_window, id) : 0; }
void Dialog::EnableItem(int id, bool enable) {
    if (m_window) backend().enableItem(*m_window, id, enable);
}
void Dialog::ShowItem(int id, bool show) {
    if (m_window) backend().showItem(*m_window, id, show);
}
void Dialog::RedrawItem(int id) {
    if (m_window) backend().redrawItem(*m_window, id);
}

int Dialog::ComboAddString(int id, std::string_view text) {
    return m_window ? backend().comboAdd(*m_window, id, text) : -1;
}
void Dialog::ComboResetContent(int id) {
    if (m_window) backend().comboReset(*m_window, id);
}
int Dialog::ComboSelectString(int id, int startAfter, std::string_view prefix) {
    return m_window ? backend().comboSelectString(*m_window, id, startAfter, prefix) : -1;
}
int Dialog::ComboGetCurSel(int id) const { return m_window ? backend().comboCurSel(*m_window, id) : -1; }
std::string Dialog::ComboGetLBText(int id, int index) const {
    return m_window ? backend().comboText(*m_window, id, index) : std::string();
}

void Dialog::SpinSetRange(int id, int lo, int hi) {
    if (m_window) backend().spinSetRange(*m_window, id, lo, hi);
}
void Dialog::SpinSetPos(int id, int pos) {
    if (m_window) backend().spinSetPos(*m_window, id, pos);
}
void Dialog::ProgressSetRange(int id, int lo, int hi) {
    if (m_window) backend().progressSetRange(*m_window, id, lo, hi);
}
void Dialog::ProgressSetPos(int id, int pos) {
    if (m_window) backend().progressSetPos(*m_window, id, pos);
}
void Dialog::SetPictureBitmap(int id, int bitmapResource) {
    if (m_window) backend().setPicture(*m_window, id, bitmapResource);
}
void Dialog::SetItemFont(int id, const FontSpec& font) {
    if (m_window) backend().setItemFont(*m_window, id, font);
}

void DDX_Text(DataExchange& dx, int id, std::string& value) {
    if (dx.saving())
        value = dx.dialog().GetDlgItemText(id);
    else
        dx.dialog().SetDlgItemText(id, value);
}

void DDX_CBString(DataExchange& dx, int id, std::string& value) {
    // A drop-down combo's window text is its edit field; reading it is the same as a text control.
    DDX_Text(dx, id, value);
}

int MessageBox(std::string_view text, std::string_view caption, unsigned type) {
    return backend().messageBox(text, caption, type);
}

int AfxMessageBox(std::string_view text, unsigned type) {
    const WinApp* app = AfxGetApp();
    return backend().messageBox(text, app ? std::string_view(app->m_pszAppName) : std::string_view(), type);
}

void SetCursorResource(int cursorResource) { backend().setCursor(cursorResource); }

}  // namespace ui
