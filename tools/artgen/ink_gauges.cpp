// Ink gauges: a cartridge with a window of ten segments, one per ten percent,
// filled from the bottom. A scale on the left marks every step and the half
// and full marks longer; the last bucket gets a red badge, so low ink shows
// without reading the number.
#include <vector>

#include "artwork.h"
#include "motifs.h"
#include "palette.h"

namespace artgen {

using namespace palette;

namespace {

constexpr int kSize = 70;
constexpr double kBodyX0 = 17, kBodyX1 = 55, kBodyY0 = 3, kBodyY1 = 62;
constexpr double kWinX0 = 22, kWinX1 = 50, kWinY0 = 17, kWinY1 = 58;
constexpr double kLine = 1.5;
constexpr int kSegments = 10;

std::vector<Colour> inkColumns(InkSeries series) {
    switch (series) {
        case InkSeries::Black: return {kBlackInk};
        case InkSeries::Photo: return {kPhotoBlack, kLightCyan, kLightMagenta};
        case InkSeries::Colour: return {kCyan, kMagenta, kYellow};
        case InkSeries::Neutral: return {kMuted};
    }
    return {};
}

double segmentPitch() { return (kWinY1 - kWinY0 - 1.0) / kSegments; }

void drawScale(Canvas& c) {
    for (int i = 0; i <= kSegments; ++i) {
        const double y = kWinY1 - 0.5 - i * segmentPitch();
        const double length = (i % 5 == 0) ? 8 : 5;
        c.fill(rect(kBodyX0 - 3 - length, y - 0.5, kBodyX0 - 3, y + 0.5), i % 5 == 0 ? kOutline : kMuted);
    }
}

void drawCap(Canvas& c, const std::vector<Colour>& columns) {
    const Shape inside = roundRect(kBodyX0 + kLine, kBodyY0 + kLine, kBodyX1 - kLine, kBodyY1 - kLine, 4);
    const double capBottom = 12;
    const double width = (kBodyX1 - kBodyX0) / static_cast<double>(columns.size());
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const double x0 = kBodyX0 + width * static_cast<double>(i);
        c.fill(intersect(inside, rect(x0, kBodyY0, x0 + width, capBottom)), columns[i]);
    }
    c.fill(rect(kBodyX0 + kLine, capBottom, kBodyX1 - kLine, capBottom + 1), kOutline);
}

void drawSegments(Canvas& c, const std::vector<Colour>& columns, int filled) {
    c.fill(rect(kWinX0, kWinY0, kWinX1, kWinY1), kOutline);
    c.fill(rect(kWinX0 + 1, kWinY0 + 1, kWinX1 - 1, kWinY1 - 1), kWhite);
    const double gap = 1.2;
    const double inner0 = kWinX0 + 1 + gap, inner1 = kWinX1 - 1 - gap;
    const double columnWidth = (inner1 - inner0 - gap * static_cast<double>(columns.size() - 1)) / static_cast<double>(columns.size());
    for (int s = 0; s < kSegments; ++s) {
        const double y1 = kWinY1 - 1 - gap / 2 - s * segmentPitch();
        const double y0 = y1 - segmentPitch() + gap;
        for (std::size_t col = 0; col < columns.size(); ++col) {
            const double x0 = inner0 + static_cast<double>(col) * (columnWidth + gap);
            c.fill(rect(x0, y0, x0 + columnWidth, y1), s < filled ? columns[col] : kEmptyInk);
        }
    }
}

void drawBody(Canvas& c, Colour outline) {
    drawOutlinedRoundRect(c, kBodyX0, kBodyY0, kBodyX1, kBodyY1, 5.5, kLine, kBody, outline);
    const double cx = (kBodyX0 + kBodyX1) / 2;
    c.fill(polygon({{cx - 7, kBodyY1 - 0.5}, {cx + 7, kBodyY1 - 0.5}, {cx + 4.5, kSize - 2.5}, {cx - 4.5, kSize - 2.5}}), outline);
}

}  // namespace

Canvas inkGauge(InkSeries series, int tenths) {
    Canvas c(kSize, kSize, kWhite);
    const std::vector<Colour> columns = inkColumns(series);
    drawScale(c);
    drawBody(c, kOutline);
    drawCap(c, columns);
    drawSegments(c, columns, tenths);
    if (tenths == 1) drawBadge(c, {kBodyX1 + 3, 10}, 8, kError, BadgeSymbol::Exclamation);
    return c;
}

Canvas noPrinter() {
    Canvas c(kSize, kSize, kWhite);
    drawBody(c, kMuted);
    drawCap(c, {kEmptyInk});
    c.fill(rect(kWinX0, kWinY0, kWinX1, kWinY1), kMuted);
    c.fill(rect(kWinX0 + 1, kWinY0 + 1, kWinX1 - 1, kWinY1 - 1), kWhite);
    // "Nothing here": a red prohibition sign over the empty cartridge.
    const double cx = (kBodyX0 + kBodyX1) / 2, cy = 37, r = 17;
    c.fill(ring(cx, cy, r, r - 4), kError);
    c.fill(intersect(circle(cx, cy, r - 2), capsule({cx - r * 0.7, cy - r * 0.7}, {cx + r * 0.7, cy + r * 0.7}, 2)), kError);
    return c;
}

}  // namespace artgen
