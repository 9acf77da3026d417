#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace artgen {

namespace {
constexpr int kSamples = 4;  // per axis
}

Canvas::Canvas(int width, int height, Colour background)
    : m_width(width), m_height(height),
      m_pixels(static_cast<std::size_t>(width) * height,
               Pixel{background.r / 255.0f, background.g / 255.0f, background.b / 255.0f, 1.0f}) {}

Canvas::Canvas(int width, int height) : m_width(width), m_height(height), m_pixels(static_cast<std::size_t>(width) * height) {}

void Canvas::blend(Pixel& dst, Colour c, float a) {
    const float outA = a + dst.a * (1.0f - a);
    if (outA <= 0.0f) return;
    const auto mix = [&](float src, float d) { return (src * a + d * dst.a * (1.0f - a)) / outA; };
    dst.r = mix(c.r / 255.0f, dst.r);
    dst.g = mix(c.g / 255.0f, dst.g);
    dst.b = mix(c.b / 255.0f, dst.b);
    dst.a = outA;
}

void Canvas::fill(const Shape& shape, Colour colour, float opacity) {
    const int x0 = std::max(0, static_cast<int>(std::floor(shape.box.x0)));
    const int y0 = std::max(0, static_cast<int>(std::floor(shape.box.y0)));
    const int x1 = std::min(m_width, static_cast<int>(std::ceil(shape.box.x1)));
    const int y1 = std::min(m_height, static_cast<int>(std::ceil(shape.box.y1)));
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (shape.inside(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
                }
            }
            if (hits == 0) continue;
            blend(m_pixels[static_cast<std::size_t>(y) * m_width + x], colour,
                  opacity * static_cast<float>(hits) / (kSamples * kSamples));
        }
    }
}

void Canvas::fillOutlined(const Shape& shape, const Shape& inner, Colour fillColour, Colour lineColour) {
    fill(shape, lineColour);
    fill(inner, fillColour);
}

}  // namespace artgen
