#include "ui/win32/window.h"

#include <algorithm>

namespace ui {

Window::~Window() {
    trayIcons.clear();
    if (HWND h = hwnd.get()) {
        // A static control may have made its own copy of a bitmap (one with
        // alpha); the copy comes back from STM_SETIMAGE and is ours to delete.
        for (const auto& [id, bitmap] : pictures) {
            auto previous = reinterpret_cast<HBITMAP>(::SendDlgItemMessageW(h, id, STM_SETIMAGE, IMAGE_BITMAP, 0));
            if (previous != nullptr && previous != bitmap.get()) ::DeleteObject(previous);
        }
        for (const auto& [control, bitmap] : templatePictures) {
            auto previous = reinterpret_cast<HBITMAP>(::SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, 0));
            if (previous != nullptr && previous != bitmap.get()) ::DeleteObject(previous);
        }
        // No handler runs for the messages of the destruction itself.
        ::SetWindowLongPtrW(h, DWLP_USER, 0);
    }
    hwnd.reset();
}

bool Window::dropTemplatePicture(HBITMAP bitmap) {
    const auto it = std::find_if(templatePictures.begin(), templatePictures.end(), [bitmap](const auto& entry) {
        return entry.second.get() == bitmap;
    });
    if (it == templatePictures.end()) return false;
    templatePictures.erase(it);
    return true;
}

HBRUSH Window::brushFor(Colour colour) {
    auto& brush = brushes[colour];
    if (!brush) brush.reset(::CreateSolidBrush(colour));
    return brush.get();
}

}  // namespace ui
