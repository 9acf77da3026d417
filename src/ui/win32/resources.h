// Images from the executable's resources, each owned by the caller.
#pragma once

#include "os/win32/unique_handle.h"

namespace ui::win32 {

// An icon resource at the system's size for `which` (SM_CXICON or SM_CXSMICON).
os::win32::UniqueIcon LoadIconResource(HINSTANCE instance, int id, int whichMetric);
// A bitmap resource at the screen's DPI (see picture_scaling.h).
os::win32::UniqueBitmap LoadBitmapResource(HINSTANCE instance, int id);

}  // namespace ui::win32
