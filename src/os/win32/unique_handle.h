// Owning wrappers for Windows handles: each handle is released exactly once, by
// the function its kind needs, when its owner goes away.
#pragma once

#include <utility>

#include "os/win32/windows_api.h"

namespace os::win32 {

template <class H, class Release>
class Unique {
public:
    Unique() = default;
    explicit Unique(H h) : m_h(h) {}
    ~Unique() { reset(); }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;
    Unique(Unique&& other) noexcept : m_h(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }

    H get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    H release() { return std::exchange(m_h, nullptr); }
    void reset(H h = nullptr) {
        if (m_h != nullptr && m_h != h) Release{}(m_h);
        m_h = h;
    }

private:
    H m_h = nullptr;
};

struct CloseKernelHandle {
    void operator()(HANDLE h) const { ::CloseHandle(h); }
};
struct DeleteGdiObject {
    void operator()(HGDIOBJ h) const { ::DeleteObject(h); }
};
struct DestroyIconHandle {
    void operator()(HICON h) const { ::DestroyIcon(h); }
};
struct DestroyMenuHandle {
    void operator()(HMENU h) const { ::DestroyMenu(h); }
};
struct DestroyWindowHandle {
    void operator()(HWND h) const { ::DestroyWindow(h); }
};

// Kernel handles; INVALID_HANDLE_VALUE is stored as "no handle" (see FromFileHandle).
using UniqueHandle = Unique<HANDLE, CloseKernelHandle>;
using UniqueBrush = Unique<HBRUSH, DeleteGdiObject>;
using UniqueFont = Unique<HFONT, DeleteGdiObject>;
using UniqueBitmap = Unique<HBITMAP, DeleteGdiObject>;
using UniqueIcon = Unique<HICON, DestroyIconHandle>;
using UniqueMenu = Unique<HMENU, DestroyMenuHandle>;
using UniqueWindow = Unique<HWND, DestroyWindowHandle>;

// CreateFileW reports failure as INVALID_HANDLE_VALUE rather than null.
inline UniqueHandle FromFileHandle(HANDLE h) { return UniqueHandle(h == INVALID_HANDLE_VALUE ? nullptr : h); }

}  // namespace os::win32
