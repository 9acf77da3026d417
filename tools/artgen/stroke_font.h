// A small geometric capital-letter font drawn as round-capped strokes, for the
// wordmark and the few letters inside pictures. Glyphs live on a grid 6 units
// high; corners are chamfered, which keeps the letters legible when small.
#pragma once

#include <string_view>

#include "geometry.h"

namespace artgen {

// The text as one shape, its top-left corner at `origin`, letters `height`
// pixels tall with strokes `weight` pixels wide. Unknown characters are blank.
Shape textShape(std::string_view text, Pt origin, double height, double weight);
double textWidth(std::string_view text, double height, double weight);

}  // namespace artgen
