#include "ui/win32/resources.h"

namespace ui::win32 {

os::win32::UniqueIcon LoadIconResource(HINSTANCE instance, int id, int whichMetric) {
    const int cx = ::GetSystemMetrics(whichMetric);
    const int cy = ::GetSystemMetrics(whichMetric == SM_CXSMICON ? SM_CYSMICON : SM_CYICON);
    // Not LR_SHARED: a shared icon must not be destroyed, and we destroy ours.
    return os::win32::UniqueIcon(
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
}

os::win32::UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id) {
    return os::win32::UniqueBitmap(
        static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
}

}  // namespace ui::win32
