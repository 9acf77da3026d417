// Bitmaps scaled from 96 DPI to the screen's, as the dialog layout is.
#include <gtest/gtest.h>

#include "ui/win32/picture_scaling.h"

namespace w32test {
namespace {

using os::win32::UniqueBitmap;

// A solid 8x6 bitmap of `colour`, compatible with the screen.
UniqueBitmap SolidBitmap(COLORREF colour) {
    HDC screen = ::GetDC(nullptr);
    UniqueBitmap bitmap(::CreateCompatibleBitmap(screen, 8, 6));
    HDC dc = ::CreateCompatibleDC(screen);
    HGDIOBJ previous = ::SelectObject(dc, bitmap.get());
    RECT all{0, 0, 8, 6};
    os::win32::UniqueBrush brush(::CreateSolidBrush(colour));
    ::FillRect(dc, &all, brush.get());
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    ::GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

COLORREF CentrePixel(HBITMAP bitmap) {
    const SIZE size = SizeOf(bitmap);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ previous = ::SelectObject(dc, bitmap);
    const COLORREF pixel = ::GetPixel(dc, size.cx / 2, size.cy / 2);
    ::SelectObject(dc, previous);
    ::DeleteDC(dc);
    return pixel;
}

struct ScaleCase {
    int dpi;
    LONG width, height;
};

class ScaledBitmapAt : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaledBitmapAt, GrowsByTheDpiAndKeepsItsColour) {
    const UniqueBitmap red = SolidBitmap(RGB(255, 0, 0));
    const UniqueBitmap scaled = ui::win32::ScaledBitmap(red.get(), GetParam().dpi);
    ASSERT_TRUE(scaled);
    const SIZE size = SizeOf(scaled.get());
    EXPECT_EQ(size.cx, GetParam().width);
    EXPECT_EQ(size.cy, GetParam().height);
    EXPECT_EQ(CentrePixel(scaled.get()), RGB(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(Dpi, ScaledBitmapAt,
                         testing::Values(ScaleCase{120, 10, 8},    // 125 %: 7.5 rounds up
                                         ScaleCase{144, 12, 9},    // 150 %
                                         ScaleCase{192, 16, 12}),  // 200 %
                         [](const auto& info) { return std::to_string(info.param.dpi); });

TEST(ScaledBitmap, At96DpiTheOriginalIsKept) {
    const UniqueBitmap red = SolidBitmap(RGB(255, 0, 0));
    EXPECT_FALSE(ui::win32::ScaledBitmap(red.get(), 96));
    EXPECT_FALSE(ui::win32::ScaledBitmap(nullptr, 144));
}

}  // namespace
}  // namespace w32test
