// Bitmaps at the screen's DPI. The program is system-DPI aware: the system lays
// the dialog templates out for the screen's DPI, but bitmaps keep their pixel
// size, so at 150 % every picture would be two thirds of the place the
// template gives it. Pictures are scaled by the same factor as the layout.
#pragma once

#include <utility>
#include <vector>

#include "os/win32/unique_handle.h"

namespace ui::win32 {

constexpr int kDefaultDpi = 96;  // 100 %: the size the bitmaps are drawn for

int ScreenDpi();

// A copy of `bitmap` scaled from 96 to `dpi`; empty when no scaling is needed
// (or it failed: the caller then keeps the original).
os::win32::UniqueBitmap ScaledBitmap(HBITMAP bitmap, int dpi);

// The bitmaps that a dialog's template puts into its picture controls,
// replaced by scaled copies: each control with the copy it shows.
using ScaledPictures = std::vector<std::pair<HWND, os::win32::UniqueBitmap>>;
ScaledPictures ScaleTemplatePictures(HWND dialog, int dpi);

}  // namespace ui::win32
