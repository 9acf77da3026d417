// Ink-level pictures: one bitmap per ten-percent bucket and pen series.
#pragma once

#include <optional>
#include <string_view>

namespace status {

// Where the lowest bucket starts: the main window counts an empty black or
// photo pen (level 0) into it, the popups do not.
inline constexpr int kMainWindowFirstLevel = 0;
inline constexpr int kPopupFirstLevel = 1;
inline constexpr int kLowInkLevel = 10;  // top of the lowest bucket

// The picture for pen 1 (the black or photo pen). nullopt leaves the picture
// as it was (a level outside every bucket); 0 clears it (a level in a bucket
// but a pen kind without a series).
std::optional<int> Pen1Picture(int kind, int level, int firstLevel);
// The picture for pen 2; the colour series regardless of the pen's kind.
std::optional<int> Pen2Picture(int level);

// Whether pen 1's level falls into the main window's lowest bucket (0-10).
bool Pen1IsLow(int level);

// The leading decimal number of a kept level text ("80%" gives 80, "" gives 0).
int LevelOfText(std::string_view levelText);

}  // namespace status
