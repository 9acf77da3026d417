// A floating-point RGBA raster that shapes are painted onto with 4x4
// super-sampling, so edges come out smooth at the small sizes used here.
#pragma once

#include <cstdint>
#include <vector>

#include "geometry.h"

namespace artgen {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0;
    static constexpr Colour hex(std::uint32_t rgb) {
        return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
    }
};

struct Pixel {
    float r = 0, g = 0, b = 0, a = 0;  // straight (not premultiplied) alpha
};

class Canvas {
public:
    // An opaque canvas filled with `background`.
    Canvas(int width, int height, Colour background);
    // A fully transparent canvas (icons).
    Canvas(int width, int height);

    int width() const { return m_width; }
    int height() const { return m_height; }
    const Pixel& at(int x, int y) const { return m_pixels[static_cast<std::size_t>(y) * m_width + x]; }

    void fill(const Shape& shape, Colour colour, float opacity = 1.0f);
    // Paints `shape` in `lineColour`, then `inner` in `fillColour`: an outline
    // as wide as the gap between the two shapes.
    void fillOutlined(const Shape& shape, const Shape& inner, Colour fillColour, Colour lineColour);

private:
    void blend(Pixel& dst, Colour c, float a);

    int m_width;
    int m_height;
    std::vector<Pixel> m_pixels;
};

}  // namespace artgen
