// Every picture of the program, one function each. Sizes are fixed here so the
// dialog layouts can rely on them.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"

namespace artgen {

// Ink gauges, 70 x 70. `tenths` is the bucket 1..10; 0 draws an empty gauge.
enum class InkSeries { Black, Photo, Colour, Neutral };
Canvas inkGauge(InkSeries series, int tenths);
Canvas noPrinter();  // 70 x 70, shown in the ink pictures

// Pictures of the popups, 64 x 64 unless noted.
Canvas carriageStall();
Canvas coverOpen();
Canvas paperJam();
Canvas penFailure();
Canvas printerError();
Canvas outOfPaper();
Canvas formFeedPanel();   // 64 x 40
Canvas formFeedButton();  // 64 x 32
Canvas paperMotorStall();
Canvas updateSearch();  // 48 x 44

// Main window decoration.
Canvas banner();          // 200 x 32
Canvas printerPicture();  // 24 x 24
Canvas paperPicture();
Canvas emblem();
Canvas cleaningPicture();
Canvas calibrationPicture();
Canvas flagGerman();   // 36 x 24
Canvas flagEnglish();  // 36 x 24

// Icons (one canvas per size) and the hand cursor's rows.
std::vector<Canvas> appIcon();
std::vector<Canvas> updateDoneIcon();
std::vector<Canvas> updateFailedIcon();
std::vector<Canvas> updateUnavailableIcon();
const std::vector<std::string>& handCursorRows();
inline constexpr int kHandHotX = 6;
inline constexpr int kHandHotY = 0;

}  // namespace artgen
