#include "ui/win32/resources.h"

#include "ui/win32/picture_scaling.h"

namespace ui::win32 {

os::win32::UniqueIcon LoadIconResource(HINSTANCE instance, int id, int whichMetric) {
    const int cx = ::GetSystemMetrics(whichMetric);
    const int cy = ::GetSystemMetrics(whichMetric == SM_CXSMICON ? SM_CYSMICON : SM_CYICON);
    // Not LR_SHARED: a shared icon must not be destroyed, and we destroy ours.
    return os::win32::UniqueIcon(
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, cx, cy, LR_DEFAULTCOLOR)));
}

os::win32::UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id) {
    os::win32::UniqueBitmap bitmap(
        static_cast<HBITMAP>(::LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    if (os::win32::UniqueBitmap scaled = ScaledBitmap(bitmap.get(), ScreenDpi())) return scaled;
    return bitmap;
}

}  // namespace ui::win32
