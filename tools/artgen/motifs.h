// Drawing pieces shared by several pictures: the printer, the ink cartridge
// and the status badge. Geometry is given on a 64-unit grid and scaled.
#pragma once

#include "canvas.h"

namespace artgen {

struct PrinterLook {
    bool paperIn = true;       // a sheet standing in the input
    bool emptyInput = false;   // a dashed outline where the sheet should be
    bool paperOut = false;     // a sheet in the output slot
    bool lidOpen = false;
    bool carriageWindow = false;  // cut-away showing the pen carriage
    Colour led;
};

// The printer on a 64 x 64 grid, drawn at `scale` pixels per unit from `origin`.
void drawPrinter(Canvas& c, const PrinterLook& look, double scale = 1.0, Pt origin = {0, 0});

// An ink cartridge standing in the box (x0, y0)-(x1, y1), with a cap colour.
void drawCartridge(Canvas& c, double x0, double y0, double x1, double y1, Colour cap, double line);

enum class BadgeSymbol { Exclamation, Cross, Check };
// A filled disc with a white symbol; `rim` adds a white ring outside the
// radius that parts the badge from what lies beneath.
void drawBadge(Canvas& c, Pt centre, double radius, Colour fill, BadgeSymbol symbol, bool rim = true);

// An outlined shape: `line` pixels of outline colour inside the shape's edge.
void drawOutlinedRoundRect(Canvas& c, double x0, double y0, double x1, double y1, double radius, double line,
                           Colour fill, Colour outline);

}  // namespace artgen
