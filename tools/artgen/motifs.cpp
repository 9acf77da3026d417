#include "motifs.h"

#include <algorithm>
#include <cmath>

#include "palette.h"

namespace artgen {

using namespace palette;

void drawOutlinedRoundRect(Canvas& c, double x0, double y0, double x1, double y1, double radius, double line,
                           Colour fill, Colour outline) {
    c.fillOutlined(roundRect(x0, y0, x1, y1, radius),
                   roundRect(x0 + line, y0 + line, x1 - line, y1 - line, std::max(0.0, radius - line)), fill, outline);
}

void drawPrinter(Canvas& c, const PrinterLook& look, double scale, Pt origin) {
    // Outlines stay at least one pixel wide however small the printer is drawn.
    const double line = std::max(1.5, 1.1 / scale);
    const auto T = [&](Shape s) { return transformed(std::move(s), scale, origin); };
    const auto box = [&](double x0, double y0, double x1, double y1, double r, Colour fill) {
        c.fillOutlined(T(roundRect(x0, y0, x1, y1, r)),
                       T(roundRect(x0 + line, y0 + line, x1 - line, y1 - line, std::max(0.0, r - line))), fill, kOutline);
    };

    if (look.paperIn && !look.lidOpen) box(18, 5, 46, 28, 0.5, kWhite);
    if (look.emptyInput && !look.lidOpen) {
        for (double y = 6; y < 22; y += 5) {
            c.fill(T(rect(18, y, 18 + line, y + 2.5)), kMuted);
            c.fill(T(rect(46 - line, y, 46, y + 2.5)), kMuted);
        }
        for (double x = 19; x < 45; x += 5) c.fill(T(rect(x, 5, x + 2.5, 5 + line)), kMuted);
    }
    if (look.lidOpen) {
        c.fillOutlined(T(polygon({{7, 24}, {57, 24}, {51, 3}, {13, 3}})),
                       T(polygon({{7 + 2 * line, 24 - line}, {57 - 2 * line, 24 - line}, {51 - line, 3 + line}, {13 + line, 3 + line}})),
                       kBodyShade, kOutline);
    }

    box(4, 22, 60, 50, 5, kBody);
    if (!look.lidOpen) c.fill(T(rect(4 + line, 29, 60 - line, 29 + line)), kBodyShade);
    c.fill(T(rect(4 + line, 34, 60 - line, 37)), kBrand);
    if (look.carriageWindow) {
        c.fill(T(roundRect(10, 24, 54, 32, 1)), kOutline);
        c.fill(T(rect(11, 27.5, 53, 28.5)), kMuted);
        box(26, 23, 38, 33, 1.5, kBrandLight);
    }
    c.fill(T(circle(53, 42, 2.2)), look.led);
    c.fill(T(roundRect(14, 43, 46, 46.5, 1.5)), kOutline);
    c.fill(T(rect(9, 50, 15, 53)), kOutline);
    c.fill(T(rect(49, 50, 55, 53)), kOutline);
    if (look.paperOut) box(17, 45, 43, 60, 0.5, kWhite);
}

void drawCartridge(Canvas& c, double x0, double y0, double x1, double y1, Colour cap, double line) {
    const double w = x1 - x0, h = y1 - y0;
    const double nozzle = h * 0.08;
    drawOutlinedRoundRect(c, x0, y0, x1, y1 - nozzle, w * 0.12, line, kBody, kOutline);
    c.fill(intersect(roundRect(x0 + line, y0 + line, x1 - line, y1 - nozzle - line, std::max(0.0, w * 0.12 - line)),
                     rect(x0, y0, x1, y0 + h * 0.17)),
           cap);
    const double cx = (x0 + x1) / 2;
    c.fill(polygon({{cx - w * 0.22, y1 - nozzle - line}, {cx + w * 0.22, y1 - nozzle - line}, {cx + w * 0.14, y1}, {cx - w * 0.14, y1}}),
           kOutline);
}

void drawBadge(Canvas& c, Pt centre, double radius, Colour fill, BadgeSymbol symbol, bool rim) {
    if (rim) c.fill(circle(centre.x, centre.y, radius + std::max(1.2, radius * 0.14)), kWhite);
    c.fill(circle(centre.x, centre.y, radius), fill);
    const double r = radius;
    const double stroke = std::max(0.9, r * 0.16);
    switch (symbol) {
        case BadgeSymbol::Exclamation:
            c.fill(capsule({centre.x, centre.y - r * 0.52}, {centre.x, centre.y + r * 0.1}, stroke), kWhite);
            c.fill(circle(centre.x, centre.y + r * 0.5, stroke * 1.05), kWhite);
            break;
        case BadgeSymbol::Cross:
            c.fill(capsule({centre.x - r * 0.4, centre.y - r * 0.4}, {centre.x + r * 0.4, centre.y + r * 0.4}, stroke), kWhite);
            c.fill(capsule({centre.x + r * 0.4, centre.y - r * 0.4}, {centre.x - r * 0.4, centre.y + r * 0.4}, stroke), kWhite);
            break;
        case BadgeSymbol::Check:
            c.fill(polyline({{centre.x - r * 0.45, centre.y + r * 0.02}, {centre.x - r * 0.12, centre.y + r * 0.38},
                             {centre.x + r * 0.48, centre.y - r * 0.35}},
                            stroke),
                   kWhite);
            break;
    }
}

}  // namespace artgen
