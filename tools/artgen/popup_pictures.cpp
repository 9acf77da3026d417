// Pictures of the error popups and the update search: the printer in the
// state the popup describes, with a badge in the top right corner: red for a
// fault, amber for something the user simply has to do.
#include <cmath>
#include <numbers>
#include <vector>

#include "artwork.h"
#include "motifs.h"
#include "palette.h"

namespace artgen {

using namespace palette;

namespace {

constexpr int kSize = 64;
constexpr Pt kBadgeAt{52, 11};
constexpr double kBadgeRadius = 9.5;

Canvas printerWith(PrinterLook look, Colour badge, BadgeSymbol symbol) {
    Canvas c(kSize, kSize, kWhite);
    drawPrinter(c, look);
    drawBadge(c, kBadgeAt, kBadgeRadius, badge, symbol);
    return c;
}

Shape gear(Pt centre, double outer, double inner, int teeth) {
    std::vector<Pt> pts;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i + 0.5) * std::numbers::pi / (teeth * 2);
        const double r = (i % 4 < 2) ? outer : inner;
        pts.push_back({centre.x + r * std::cos(a), centre.y + r * std::sin(a)});
    }
    return polygon(pts);
}

Shape arrowRight(double x0, double x1, double y, double half) {
    return unite({capsule({x0, y}, {x1 - half * 2, y}, half * 0.45),
                  polygon({{x1 - half * 2.4, y - half * 1.6}, {x1, y}, {x1 - half * 2.4, y + half * 1.6}})});
}

}  // namespace

Canvas coverOpen() { return printerWith({.paperIn = false, .lidOpen = true, .led = kAttention}, kAttention, BadgeSymbol::Exclamation); }

Canvas printerError() { return printerWith({.led = kError}, kError, BadgeSymbol::Exclamation); }

Canvas outOfPaper() {
    return printerWith({.paperIn = false, .emptyInput = true, .led = kAttention}, kAttention, BadgeSymbol::Exclamation);
}

Canvas carriageStall() {
    Canvas c(kSize, kSize, kWhite);
    drawPrinter(c, {.paperIn = true, .carriageWindow = true, .led = kError});
    // The carriage pressing against two stops.
    c.fill(capsule({21, 23}, {21, 33}, 1.3), kError);
    c.fill(capsule({43, 23}, {43, 33}, 1.3), kError);
    drawBadge(c, kBadgeAt, kBadgeRadius, kError, BadgeSymbol::Exclamation);
    return c;
}

Canvas paperJam() {
    Canvas c(kSize, kSize, kWhite);
    drawPrinter(c, {.led = kError});
    // A crumpled sheet forced out of the slot.
    const std::vector<Pt> sheet = {{17, 45}, {43, 45}, {47, 51}, {41, 54}, {46, 60}, {35, 57}, {29, 62}, {24, 55}, {14, 58}, {18, 51}};
    c.fill(polygon(sheet), kOutline);
    std::vector<Pt> inner;
    for (const Pt& p : sheet) inner.push_back({32 + (p.x - 32) * 0.88, 52 + (p.y - 52) * 0.8});
    c.fill(polygon(inner), kWhite);
    c.fill(polyline({{24, 55}, {29, 50}, {35, 57}}, 0.6), kMuted);
    c.fill(polyline({{18, 51}, {29, 50}, {41, 54}}, 0.6), kMuted);
    drawBadge(c, kBadgeAt, kBadgeRadius, kError, BadgeSymbol::Exclamation);
    return c;
}

Canvas paperMotorStall() {
    Canvas c(kSize, kSize, kWhite);
    drawPrinter(c, {.led = kError});
    c.fill(gear({21, 41}, 12, 9, 8), kWhite);
    c.fill(gear({21, 41}, 10.5, 7.5, 8), kOutline);
    c.fill(circle(21, 41, 5.5), kBodyShade);
    c.fill(circle(21, 41, 2.2), kOutline);
    drawBadge(c, kBadgeAt, kBadgeRadius, kError, BadgeSymbol::Exclamation);
    return c;
}

Canvas penFailure() {
    Canvas c(kSize, kSize, kWhite);
    drawCartridge(c, 16, 8, 44, 60, kBlackInk, 1.5);
    // Nozzle plate with a faulty (red) nozzle row.
    c.fill(rect(22, 24, 38, 46), kOutline);
    c.fill(rect(23, 25, 37, 45), kWhite);
    for (int i = 0; i < 4; ++i) c.fill(rect(25, 27.5 + i * 4.5, 35, 29.5 + i * 4.5), i == 2 ? kError : kMuted);
    drawBadge(c, kBadgeAt, kBadgeRadius, kError, BadgeSymbol::Cross);
    return c;
}

Canvas formFeedPanel() {
    Canvas c(kSize, 40, kWhite);
    drawOutlinedRoundRect(c, 2, 5, 62, 35, 5, 1.5, kBody, kOutline);
    c.fill(rect(3.5, 9, 60.5, 10.5), kBrand);
    // Power button and its lamp.
    c.fill(ring(14, 22, 6, 4.5), kOutline);
    c.fill(capsule({14, 17}, {14, 21}, 0.9), kOutline);
    c.fill(circle(25, 22, 1.8), kSuccess);
    // The arrow key, ringed to show which one to press.
    c.fill(roundRect(35, 12, 57, 32, 6), kAttention);
    drawOutlinedRoundRect(c, 38, 15, 54, 29, 3, 1.5, kWhite, kOutline);
    c.fill(arrowRight(41, 51, 22, 2.2), kOutline);
    return c;
}

Canvas formFeedButton() {
    Canvas c(kSize, 32, kWhite);
    // A sheet that the printer pushes out.
    drawOutlinedRoundRect(c, 6, 3, 28, 29, 0.5, 1.5, kWhite, kOutline);
    for (int i = 0; i < 4; ++i) c.fill(rect(10, 8 + i * 5, i == 3 ? 18 : 24, 9.2 + i * 5), kMuted);
    c.fill(arrowRight(33, 59, 16, 4), kBrand);
    return c;
}

Canvas updateSearch() {
    Canvas c(48, 44, kWhite);
    // A driver file under a magnifying glass.
    c.fillOutlined(polygon({{5, 3}, {25, 3}, {33, 11}, {33, 38}, {5, 38}}),
                   polygon({{6.5, 4.5}, {24.4, 4.5}, {31.5, 11.6}, {31.5, 36.5}, {6.5, 36.5}}), kWhite, kOutline);
    c.fill(polygon({{25, 3}, {25, 11}, {33, 11}}), kOutline);
    for (int i = 0; i < 4; ++i) c.fill(rect(10, 16 + i * 5, i == 3 ? 20 : 27, 17.3 + i * 5), kMuted);
    c.fill(capsule({36, 32}, {44, 40}, 2.6), kBrand);
    c.fill(ring(29, 25, 10, 7.5), kBrand);
    c.fill(circle(29, 25, 7.5), kBrandLight, 0.25f);
    return c;
}

}  // namespace artgen
