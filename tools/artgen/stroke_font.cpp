#include "stroke_font.h"

#include <map>
#include <vector>

namespace artgen {

namespace {

using Stroke = std::vector<Pt>;

struct Glyph {
    double width = 4;
    std::vector<Stroke> strokes;
};

const std::map<char, Glyph>& glyphs() {
    static const std::map<char, Glyph> table = {
        {'A', {4, {{{0, 6}, {0, 1.5}, {1.5, 0}, {2.5, 0}, {4, 1.5}, {4, 6}}, {{0, 3.6}, {4, 3.6}}}}},
        {'B', {4, {{{0, 0}, {0, 6}, {3, 6}, {4, 5}, {4, 4}, {3, 3}, {0, 3}}, {{0, 0}, {2.8, 0}, {3.7, 0.9}, {3.7, 2.1}, {2.8, 3}}}}},
        {'C', {4, {{{4, 0.9}, {3.1, 0}, {0.9, 0}, {0, 0.9}, {0, 5.1}, {0.9, 6}, {3.1, 6}, {4, 5.1}}}}},
        {'E', {3.6, {{{3.6, 0}, {0, 0}, {0, 6}, {3.6, 6}}, {{0, 3}, {3, 3}}}}},
        {'I', {0, {{{0, 0}, {0, 6}}}}},
        {'K', {4, {{{0, 0}, {0, 6}}, {{4, 0}, {0, 3.8}}, {{1.5, 2.4}, {4, 6}}}}},
        {'L', {3.4, {{{0, 0}, {0, 6}, {3.4, 6}}}}},
        {'M', {4.8, {{{0, 6}, {0, 0}, {2.4, 3.2}, {4.8, 0}, {4.8, 6}}}}},
        {'N', {4, {{{0, 6}, {0, 0}, {4, 6}, {4, 0}}}}},
        {'O', {4, {{{0.9, 0}, {3.1, 0}, {4, 0.9}, {4, 5.1}, {3.1, 6}, {0.9, 6}, {0, 5.1}, {0, 0.9}, {0.9, 0}}}}},
        {'P', {4, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2.2}, {3, 3.2}, {0, 3.2}}}}},
        {'R', {4, {{{0, 6}, {0, 0}, {3, 0}, {4, 1}, {4, 2}, {3, 3}, {0, 3}}, {{2, 3}, {4, 6}}}}},
        {'S', {4, {{{4, 0.9}, {3.1, 0}, {0.9, 0}, {0, 0.9}, {0, 2.1}, {0.9, 3}, {3.1, 3}, {4, 3.9}, {4, 5.1}, {3.1, 6}, {0.9, 6}, {0, 5.1}}}}},
        {'T', {4, {{{0, 0}, {4, 0}}, {{2, 0}, {2, 6}}}}},
        {'U', {4, {{{0, 0}, {0, 5.1}, {0.9, 6}, {3.1, 6}, {4, 5.1}, {4, 0}}}}},
        {'V', {4, {{{0, 0}, {2, 6}, {4, 0}}}}},
        {'Y', {4, {{{0, 0}, {2, 3}, {4, 0}}, {{2, 3}, {2, 6}}}}},
        {'Z', {4, {{{0, 0}, {4, 0}, {0, 6}, {4, 6}}}}},
        {'!', {0, {{{0, 0}, {0, 3.8}}, {{0, 5.9}, {0, 6}}}}},
        {' ', {2, {}}},
    };
    return table;
}

constexpr double kLetterGap = 1.7;  // grid units between two glyphs

}  // namespace

double textWidth(std::string_view text, double height, double weight) {
    const double unit = height / 6.0;
    double w = 0;
    for (char c : text) {
        const auto it = glyphs().find(c);
        w += (it == glyphs().end() ? 2.0 : it->second.width) * unit + kLetterGap * unit;
    }
    return text.empty() ? 0 : w - kLetterGap * unit + weight;
}

Shape textShape(std::string_view text, Pt origin, double height, double weight) {
    const double unit = height / 6.0;
    const double half = weight / 2.0;
    std::vector<Shape> parts;
    double x = origin.x + half;
    for (char c : text) {
        const auto it = glyphs().find(c);
        if (it == glyphs().end()) {
            x += (2.0 + kLetterGap) * unit;
            continue;
        }
        for (const Stroke& stroke : it->second.strokes) {
            std::vector<Pt> pts;
            for (const Pt& p : stroke) pts.push_back({x + p.x * unit, origin.y + half + p.y * (height - weight) / 6.0});
            parts.push_back(pts.size() == 1 ? capsule(pts[0], pts[0], half) : polyline(pts, half));
        }
        x += (it->second.width + kLetterGap) * unit;
    }
    if (parts.empty()) return rect(0, 0, 0, 0);
    return unite(std::move(parts));
}

}  // namespace artgen
