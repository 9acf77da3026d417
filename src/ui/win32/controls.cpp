// Control access by ID. A missing control (or a window without a handle) makes
// a setter do nothing and a getter return the control's empty value.
#include "os/win32/wide.h"
#include "ui/win32/resources.h"
#include "ui/win32/win32_backend.h"

namespace ui::win32 {

namespace {

using os::win32::ToUtf8;
using os::win32::ToWide;

HWND Item(const Window& w, int id) { return w.handle() != nullptr ? ::GetDlgItem(w.handle(), id) : nullptr; }

LRESULT Send(const Window& w, int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    HWND item = Item(w, id);
    return item != nullptr ? ::SendMessageW(item, msg, wParam, lParam) : 0;
}

}  // namespace

void Win32Backend::setItemText(Window& w, int id, std::string_view text) {
    HWND item = Item(w, id);
    if (item == nullptr) return;
    // An edit control raises EN_CHANGE from this by itself.
    ::SetWindowTextW(item, ToWide(text).c_str());
    // Statics and group boxes are drawn with a transparent background, so a
    // shorter text would leave the end of the old one on screen: repaint the
    // parent behind the control as well.
    RECT area{};
    if (::GetWindowRect(item, &area)) {
        HWND parent = ::GetParent(item);
        ::MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&area), 2);
        ::InvalidateRect(parent, &area, TRUE);
    }
}

std::string Win32Backend::itemText(const Window& w, int id) const {
    HWND item = Item(w, id);
    if (item == nullptr) return {};
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item)) + 1, L'\0');
    const int n = ::GetWindowTextW(item, text.data(), static_cast<int>(text.size()));
    text.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return ToUtf8(text);
}

void Win32Backend::setCheck(Window& w, int id, int state) { Send(w, id, BM_SETCHECK, static_cast<WPARAM>(state)); }

int Win32Backend::check(const Window& w, int id) const { return static_cast<int>(Send(w, id, BM_GETCHECK)); }

void Win32Backend::enableItem(Window& w, int id, bool enable) {
    if (HWND item = Item(w, id)) ::EnableWindow(item, enable ? TRUE : FALSE);
}

void Win32Backend::showItem(Window& w, int id, bool show) {
    if (HWND item = Item(w, id)) ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void Win32Backend::redrawItem(Window& w, int id) {
    if (HWND item = Item(w, id)) ::RedrawWindow(item, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int Win32Backend::comboAdd(Window& w, int id, std::string_view text) {
    if (Item(w, id) == nullptr) return CB_ERR;
    const std::wstring wide = ToWide(text);
    return static_cast<int>(Send(w, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str())));
}

void Win32Backend::comboReset(Window& w, int id) { Send(w, id, CB_RESETCONTENT); }

int Win32Backend::comboSelectString(Window& w, int id, int startAfter, std::string_view prefix) {
    if (Item(w, id) == nullptr) return CB_ERR;
    const std::wstring wide = ToWide(prefix);
    return static_cast<int>(
        Send(w, id, CB_SELECTSTRING, static_cast<WPARAM>(startAfter), reinterpret_cast<LPARAM>(wide.c_str())));
}

int Win32Backend::comboCurSel(const Window& w, int id) const {
    return Item(w, id) != nullptr ? static_cast<int>(Send(w, id, CB_GETCURSEL)) : CB_ERR;
}

std::string Win32Backend::comboText(const Window& w, int id, int index) const {
    if (Item(w, id) == nullptr) return {};
    const LRESULT length = Send(w, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length <= 0) return {};  // CB_ERR for an index out of range
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT n = Send(w, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(n > 0 && n <= length ? static_cast<std::size_t>(n) : 0);
    return ToUtf8(text);
}

void Win32Backend::spinSetRange(Window& w, int id, int lo, int hi) {
    Send(w, id, UDM_SETRANGE32, static_cast<WPARAM>(lo), static_cast<LPARAM>(hi));
}

void Win32Backend::spinSetPos(Window& w, int id, int pos) { Send(w, id, UDM_SETPOS32, 0, static_cast<LPARAM>(pos)); }

void Win32Backend::progressSetRange(Window& w, int id, int lo, int hi) {
    Send(w, id, PBM_SETRANGE32, static_cast<WPARAM>(lo), static_cast<LPARAM>(hi));
}

void Win32Backend::progressSetPos(Window& w, int id, int pos) { Send(w, id, PBM_SETPOS, static_cast<WPARAM>(pos)); }

void Win32Backend::setPicture(Window& w, int id, int bitmapResource) {
    if (Item(w, id) == nullptr) return;
    // A resource that cannot be loaded clears the picture, as 0 does.
    os::win32::UniqueBitmap bitmap;
    if (bitmapResource != 0) bitmap = LoadBitmapResource(m_instance, bitmapResource);
    auto previous =
        reinterpret_cast<HBITMAP>(Send(w, id, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get())));
    auto& kept = w.pictures[id];
    // The control's own copy, or a scaled picture of the template.
    if (previous != nullptr && previous != kept.get() && !w.dropTemplatePicture(previous)) ::DeleteObject(previous);
    kept = std::move(bitmap);
    if (!kept) w.pictures.erase(id);
}

void Win32Backend::setItemFont(Window& w, int id, const FontSpec& font) {
    HWND item = Item(w, id);
    if (item == nullptr) return;
    LOGFONTW lf{};
    lf.lfHeight = font.height;
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
    lf.lfCharSet = static_cast<BYTE>(font.charSet);
    lf.lfOutPrecision = static_cast<BYTE>(font.outPrecision);
    lf.lfClipPrecision = static_cast<BYTE>(font.clipPrecision);
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = ToWide(font.face);
    face.copy(lf.lfFaceName, LF_FACESIZE - 1);  // the field is zeroed, so it stays terminated
    os::win32::UniqueFont created(::CreateFontIndirectW(&lf));
    if (!created) return;
    ::SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(created.get()), TRUE);
    w.fonts[id] = std::move(created);  // the control's previous font is released only now
}

}  // namespace ui::win32
