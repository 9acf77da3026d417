#include "ui/win32/picture_scaling.h"

namespace ui::win32 {

namespace {

class ScreenDc {
public:
    ScreenDc() : m_dc(::GetDC(nullptr)) {}
    ~ScreenDc() {
        if (m_dc) ::ReleaseDC(nullptr, m_dc);
    }
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
};

// A memory DC with one bitmap selected into it, put back on destruction.
class MemoryDc {
public:
    MemoryDc(HDC like, HBITMAP bitmap) : m_dc(::CreateCompatibleDC(like)) {
        if (m_dc) m_previous = ::SelectObject(m_dc, bitmap);
    }
    ~MemoryDc() {
        if (!m_dc) return;
        ::SelectObject(m_dc, m_previous);
        ::DeleteDC(m_dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
    HGDIOBJ m_previous = nullptr;
};

bool IsPictureControl(HWND child) {
    wchar_t className[16] = {};
    ::GetClassNameW(child, className, 16);
    return ::lstrcmpiW(className, L"Static") == 0 && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP;
}

}  // namespace

int ScreenDpi() {
    static const int dpi = [] {
        ScreenDc screen;
        const int d = screen.get() ? ::GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
        return d > 0 ? d : kDefaultDpi;
    }();
    return dpi;
}

os::win32::UniqueBitmap ScaledBitmap(HBITMAP bitmap, int dpi) {
    BITMAP info{};
    if (dpi == kDefaultDpi || bitmap == nullptr || ::GetObjectW(bitmap, sizeof info, &info) == 0) return {};
    const int width = ::MulDiv(info.bmWidth, dpi, kDefaultDpi);
    const int height = ::MulDiv(info.bmHeight, dpi, kDefaultDpi);
    ScreenDc screen;
    os::win32::UniqueBitmap scaled(::CreateCompatibleBitmap(screen.get(), width, height));
    if (!scaled) return {};
    MemoryDc from(screen.get(), bitmap);
    MemoryDc to(screen.get(), scaled.get());
    if (!from.get() || !to.get()) return {};
    // Halftone averages the source pixels: no jagged edges at 150 %.
    ::SetStretchBltMode(to.get(), HALFTONE);
    ::SetBrushOrgEx(to.get(), 0, 0, nullptr);
    if (!::StretchBlt(to.get(), 0, 0, width, height, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY)) return {};
    return scaled;
}

ScaledPictures ScaleTemplatePictures(HWND dialog, int dpi) {
    ScaledPictures scaled;
    if (dpi == kDefaultDpi) return scaled;
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child != nullptr; child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!IsPictureControl(child)) continue;
        const auto original = reinterpret_cast<HBITMAP>(::SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0));
        os::win32::UniqueBitmap copy = ScaledBitmap(original, dpi);
        if (!copy) continue;
        const auto previous = reinterpret_cast<HBITMAP>(
            ::SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(copy.get())));
        // The control loaded the original from the template; nothing shows it any more.
        if (previous != nullptr) ::DeleteObject(previous);
        scaled.emplace_back(child, std::move(copy));
    }
    return scaled;
}

}  // namespace ui::win32
