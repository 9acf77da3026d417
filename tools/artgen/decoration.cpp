// The main window's decoration and the two language flags.
#include <vector>

#include "artwork.h"
#include "motifs.h"
#include "palette.h"
#include "stroke_font.h"

namespace artgen {

using namespace palette;

namespace {

// An ink drop pointing up, its round part centred at (cx, cy).
Shape drop(double cx, double cy, double r) {
    return unite({circle(cx, cy, r), polygon({{cx - r * 0.92, cy - r * 0.38}, {cx, cy - r * 2.1}, {cx + r * 0.92, cy - r * 0.38}})});
}

Shape sparkle(double cx, double cy, double r) {
    return polygon({{cx, cy - r}, {cx + r * 0.25, cy - r * 0.25}, {cx + r, cy}, {cx + r * 0.25, cy + r * 0.25},
                    {cx, cy + r}, {cx - r * 0.25, cy + r * 0.25}, {cx - r, cy}, {cx - r * 0.25, cy - r * 0.25}});
}

}  // namespace

Canvas banner() {
    Canvas c(200, 32, kWhite);
    const double height = 14, weight = 2.7;
    c.fill(textShape("BRENLATO", {2, 3}, height, weight), kBrand);
    const double x = 2 + textWidth("BRENLATO", height, weight) + 8;
    c.fill(textShape("ZEV", {x, 3}, height, weight + 0.6), kOutline);
    const double end = x + textWidth("ZEV", height, weight + 0.6);
    // The four inks as a rule under the name.
    const Colour inks[] = {kCyan, kMagenta, kYellow, kBlackInk};
    const double step = (end - 2) / 4.0;
    for (int i = 0; i < 4; ++i) c.fill(rect(2 + i * step, 22, 2 + (i + 1) * step - 1.5, 25), inks[i]);
    return c;
}

Canvas printerPicture() {
    Canvas c(24, 24, kWhite);
    drawPrinter(c, {.paperOut = true, .led = kSuccess}, 0.36, {0.5, 1});
    return c;
}

Canvas paperPicture() {
    Canvas c(24, 24, kWhite);
    for (int i = 2; i >= 0; --i) {
        const double o = i * 3.0;
        drawOutlinedRoundRect(c, 3 + o, 2 + o, 16 + o, 17 + o, 0.5, 1.1, kWhite, kOutline);
    }
    for (int i = 0; i < 3; ++i) c.fill(rect(9.5, 11 + i * 3, i == 2 ? 15 : 19, 12 + i * 3), kMuted);
    return c;
}

Canvas emblem() {
    Canvas c(24, 24, kWhite);
    c.fill(drop(6.5, 8.5, 4), kCyan);
    c.fill(drop(17.5, 8.5, 4), kMagenta);
    c.fill(drop(6.5, 19, 4), kYellow);
    c.fill(drop(17.5, 19, 4), kBlackInk);
    return c;
}

Canvas cleaningPicture() {
    Canvas c(24, 24, kWhite);
    drawCartridge(c, 2, 2, 14, 17, kBrand, 1.1);
    c.fill(drop(8, 21.5, 1.5), kCyan);
    c.fill(sparkle(18.5, 8, 4.5), kAttention);
    c.fill(sparkle(20, 17, 2.5), kAttention);
    return c;
}

Canvas calibrationPicture() {
    Canvas c(24, 24, kWhite);
    // Two rows of lines that must meet, and the cross-hair that checks them.
    for (int i = 0; i < 4; ++i) {
        c.fill(rect(3 + i * 5, 2, 4.2 + i * 5, 10), kOutline);
        c.fill(rect(3 + i * 5, 14, 4.2 + i * 5, 22), kBrand);
    }
    c.fill(ring(12, 12, 6.5, 5.2), kError);
    c.fill(rect(11.4, 3, 12.6, 21), kError);
    c.fill(rect(3, 11.4, 21, 12.6), kError);
    return c;
}

Canvas flagGerman() {
    Canvas c(36, 24, kOutline);
    c.fill(rect(1, 1, 35, 8.33), Colour::hex(0x000000));
    c.fill(rect(1, 8.33, 35, 15.67), Colour::hex(0xDD0000));
    c.fill(rect(1, 15.67, 35, 23), Colour::hex(0xFFCE00));
    return c;
}

Canvas flagEnglish() {
    Canvas c(36, 24, kOutline);
    const Shape field = rect(1, 1, 35, 23);
    const Colour blue = Colour::hex(0x012169), red = Colour::hex(0xC8102E);
    c.fill(field, blue);
    const Pt tl{1, 1}, tr{35, 1}, bl{1, 23}, br{35, 23};
    c.fill(intersect(field, unite({capsule(tl, br, 3.2), capsule(tr, bl, 3.2)})), kWhite);
    // The red saltire sits off-centre, turning about the middle.
    c.fill(intersect(field, unite({polygon({{1, 1}, {3, 1}, {18, 11}, {16, 12}}), polygon({{35, 23}, {33, 23}, {18, 13}, {20, 12}}),
                                   polygon({{35, 1}, {35, 2.5}, {20, 12}, {18, 11}}), polygon({{1, 23}, {1, 21.5}, {16, 12}, {18, 13}})})),
           red);
    c.fill(unite({rect(14, 1, 22, 23), rect(1, 8, 35, 16)}), kWhite);
    c.fill(unite({rect(15.5, 1, 20.5, 23), rect(1, 9.5, 35, 14.5)}), red);
    return c;
}

}  // namespace artgen
