// Numeric values of the Windows constants the dialog layer speaks in. They are
// the platform's own numbers, so portable code can use them without <windows.h>
// and the win32 backend can pass them through unchanged.
#pragma once

// Read after <windows.h>, every name below would already be one of its macros.
#if defined(IDOK) || defined(RGB)
#error "<windows.h> came before ui/win_types.h: include os/win32/windows_api.h instead"
#endif

#include <cstdint>

namespace ui {

// Dialog results and standard command IDs.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDABORT = 3;
inline constexpr int IDRETRY = 4;
inline constexpr int IDIGNORE = 5;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

// Message box types.
inline constexpr unsigned MB_OK = 0x0000;
inline constexpr unsigned MB_OKCANCEL = 0x0001;
inline constexpr unsigned MB_YESNO = 0x0004;
inline constexpr unsigned MB_ICONSTOP = 0x0010;  // also MB_ICONHAND / MB_ICONERROR
inline constexpr unsigned MB_ICONQUESTION = 0x0020;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x0030;
inline constexpr unsigned MB_ICONINFORMATION = 0x0040;
inline constexpr unsigned MB_TYPEMASK = 0x000F;
inline constexpr unsigned MB_ICONMASK = 0x00F0;

// ShowWindow commands.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_MINIMIZE = 6;
inline constexpr int SW_SHOWMINNOACTIVE = 7;
inline constexpr int SW_SHOW = 5;
inline constexpr int SW_RESTORE = 9;

// Control notification codes (the high word of a WM_COMMAND's wParam).
inline constexpr int BN_CLICKED = 0;
inline constexpr int STN_CLICKED = 0;
inline constexpr int CBN_SELCHANGE = 1;
inline constexpr int EN_CHANGE = 0x0300;

// Check states.
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;

// System commands.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;

// Window-position flags.
inline constexpr unsigned SWP_SHOWWINDOW = 0x0040;
inline constexpr unsigned SWP_HIDEWINDOW = 0x0080;

// Mouse messages carried in a tray callback's lParam.
inline constexpr unsigned WM_NULL = 0x0000;
inline constexpr unsigned WM_MOUSEMOVE = 0x0200;
inline constexpr unsigned WM_LBUTTONDOWN = 0x0201;
inline constexpr unsigned WM_LBUTTONUP = 0x0202;
inline constexpr unsigned WM_LBUTTONDBLCLK = 0x0203;
inline constexpr unsigned WM_RBUTTONDOWN = 0x0204;
inline constexpr unsigned WM_RBUTTONUP = 0x0205;
inline constexpr unsigned WM_USER = 0x0400;

// Scroll codes delivered with spin notifications.
inline constexpr int SB_THUMBPOSITION = 4;
inline constexpr int SB_ENDSCROLL = 8;

// TrackPopupMenu flags.
inline constexpr unsigned TPM_LEFTALIGN = 0x0000;
inline constexpr unsigned TPM_RIGHTBUTTON = 0x0002;

// Colours are 0x00BBGGRR, as COLORREF.
using Colour = std::uint32_t;
constexpr Colour RGB(unsigned r, unsigned g, unsigned b) { return (r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16); }
inline constexpr Colour kBlack = RGB(0, 0, 0);
inline constexpr Colour kWhite = RGB(255, 255, 255);

}  // namespace ui
