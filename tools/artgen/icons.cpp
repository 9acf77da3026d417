// Icons (drawn once on a 32-unit grid and scaled for 16 pixels) and the hand
// cursor. The app icon is a printer with the three ink dots, kept to a few
// bold shapes so it still reads in the notification area.
#include <string>
#include <utility>
#include <vector>

#include "artwork.h"
#include "motifs.h"
#include "palette.h"

namespace artgen {

using namespace palette;

namespace {

using Painter = void (*)(Canvas&, double scale);

std::vector<Canvas> renderSizes(Painter paint) {
    std::vector<Canvas> out;
    for (int size : {32, 16}) {
        Canvas c(size, size);
        paint(c, size / 32.0);
        out.push_back(std::move(c));
    }
    return out;
}

void paintApp(Canvas& c, double s) {
    const auto S = [&](Shape shape) { return transformed(std::move(shape), s, {0, 0}); };
    const double line = 2;
    c.fillOutlined(S(rect(8, 2, 24, 14)), S(rect(8 + line, 2 + line, 24 - line, 14)), kWhite, kOutline);
    c.fillOutlined(S(roundRect(1, 11, 31, 26, 4)), S(roundRect(1 + line, 11 + line, 31 - line, 26 - line, 2)), kBrandLight, kOutline);
    c.fill(S(rect(1 + line, 11 + line, 31 - line, 16)), kBrand);
    c.fill(S(circle(10, 20, 2)), kCyan);
    c.fill(S(circle(16, 20, 2)), kMagenta);
    c.fill(S(circle(22, 20, 2)), kYellow);
    c.fillOutlined(S(rect(8, 24, 24, 31)), S(rect(8 + line, 24, 24 - line, 31 - line)), kWhite, kOutline);
}

void paintDisc(Canvas& c, double s, Colour fill, BadgeSymbol symbol) {
    drawBadge(c, {16 * s, 16 * s}, 15 * s, fill, symbol, false);
}

void paintDone(Canvas& c, double s) { paintDisc(c, s, kSuccess, BadgeSymbol::Check); }
void paintFailed(Canvas& c, double s) { paintDisc(c, s, kError, BadgeSymbol::Cross); }

void paintUnavailable(Canvas& c, double s) {
    const auto S = [&](Shape shape) { return transformed(std::move(shape), s, {0, 0}); };
    const std::vector<Pt> corners = {{16, 3}, {30, 28}, {2, 28}};
    c.fill(S(unite({polygon(corners), polyline({corners[0], corners[1], corners[2], corners[0]}, 1.8)})), kAttention);
    c.fill(S(capsule({16, 11}, {16, 19}, 2)), kOutline);
    c.fill(S(circle(16, 24, 2)), kOutline);
}

}  // namespace

std::vector<Canvas> appIcon() { return renderSizes(paintApp); }
std::vector<Canvas> updateDoneIcon() { return renderSizes(paintDone); }
std::vector<Canvas> updateFailedIcon() { return renderSizes(paintFailed); }
std::vector<Canvas> updateUnavailableIcon() { return renderSizes(paintUnavailable); }

const std::vector<std::string>& handCursorRows() {
    static const std::vector<std::string> rows = {
        "      XX",
        "     X..X",
        "     X..X",
        "     X..X",
        "     X..X",
        "     X..XXX",
        "     X..X..XXX",
        "     X..X..X..XX",
        "     X..X..X..X.X",
        "  XX X..X..X..X..X",
        "  X..X...........X",
        "  X...X..........X",
        "   X..X..........X",
        "   X.............X",
        "    X............X",
        "    X...........X",
        "     X..........X",
        "     X.........X",
        "      X........X",
        "      XXXXXXXXXX",
    };
    return rows;
}

}  // namespace artgen
