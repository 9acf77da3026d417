#include "image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <map>
#include <stdexcept>

namespace artgen {

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

void save(const Bytes& bytes, const std::string& path) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) throw std::runtime_error("cannot write " + path);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!f) throw std::runtime_error("write failed: " + path);
}

std::uint8_t channel(float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255.0f)); }

std::uint32_t packedRgb(const Pixel& p) {
    return (static_cast<std::uint32_t>(channel(p.r)) << 16) | (channel(p.g) << 8) | channel(p.b);
}

// BITMAPINFOHEADER; `height` as stored (icons store twice the image height).
void putInfoHeader(Bytes& out, int width, int height, int bits, std::uint32_t imageBytes, std::uint32_t coloursUsed) {
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<std::uint32_t>(bits));
    put32(out, 0);  // BI_RGB
    put32(out, imageBytes);
    put32(out, 2835);  // 72 dpi
    put32(out, 2835);
    put32(out, coloursUsed);
    put32(out, 0);
}

int rowBytes(int width, int bits) { return ((width * bits + 31) / 32) * 4; }

// The most frequent colours, ties broken by value so the result never depends
// on map iteration details.
std::vector<std::uint32_t> buildPalette(const Canvas& image) {
    std::map<std::uint32_t, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ++counts[packedRgb(image.at(x, y))];
    std::vector<std::pair<std::uint32_t, int>> byCount(counts.begin(), counts.end());
    std::stable_sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::vector<std::uint32_t> palette;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i) palette.push_back(byCount[i].first);
    return palette;
}

std::uint8_t nearestIndex(const std::vector<std::uint32_t>& palette, std::uint32_t rgb) {
    const auto r = static_cast<int>(rgb >> 16), g = static_cast<int>((rgb >> 8) & 0xFF), b = static_cast<int>(rgb & 0xFF);
    std::size_t best = 0;
    long bestDistance = -1;
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const int dr = r - static_cast<int>(palette[i] >> 16), dg = g - static_cast<int>((palette[i] >> 8) & 0xFF),
                  db = b - static_cast<int>(palette[i] & 0xFF);
        const long d = 3L * dr * dr + 4L * dg * dg + 2L * db * db;
        if (bestDistance < 0 || d < bestDistance) {
            bestDistance = d;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}

// Bottom-up rows of one bit per pixel, set where `bit(x, y)` holds.
void putMaskRows(Bytes& out, int width, int height, const auto& bit) {
    const int stride = rowBytes(width, 1);
    for (int y = height - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < width; ++x)
            if (bit(x, y)) row[static_cast<std::size_t>(x / 8)] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        out.insert(out.end(), row.begin(), row.end());
    }
}

Bytes iconImage(const Canvas& image) {
    const int w = image.width(), h = image.height();
    const std::uint32_t xorBytes = static_cast<std::uint32_t>(w * h * 4);
    const std::uint32_t andBytes = static_cast<std::uint32_t>(rowBytes(w, 1) * h);
    Bytes out;
    putInfoHeader(out, w, h * 2, 32, xorBytes + andBytes, 0);
    for (int y = h - 1; y >= 0; --y) {
        for (int x = 0; x < w; ++x) {
            const Pixel& p = image.at(x, y);
            out.push_back(channel(p.b));
            out.push_back(channel(p.g));
            out.push_back(channel(p.r));
            out.push_back(channel(p.a));
        }
    }
    putMaskRows(out, w, h, [&](int x, int y) { return channel(image.at(x, y).a) == 0; });
    return out;
}

// ICONDIR and its entries followed by the images; cursors carry the hot spot
// where icons carry planes and bit count.
Bytes iconDirectory(int type, const std::vector<Bytes>& images, const std::vector<int>& sizes, int field1, int field2) {
    Bytes out;
    put16(out, 0);
    put16(out, static_cast<std::uint32_t>(type));
    put16(out, static_cast<std::uint32_t>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<std::uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        out.push_back(static_cast<std::uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        out.push_back(type == 2 ? 2 : 0);  // colour count: a cursor has two
        out.push_back(0);
        put16(out, static_cast<std::uint32_t>(field1));
        put16(out, static_cast<std::uint32_t>(field2));
        put32(out, static_cast<std::uint32_t>(images[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) out.insert(out.end(), image.begin(), image.end());
    return out;
}

}  // namespace

void writeBmp8(const Canvas& image, const std::string& path) {
    const int w = image.width(), h = image.height();
    const std::vector<std::uint32_t> palette = buildPalette(image);
    const int stride = rowBytes(w, 8);
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(stride * h);
    const std::uint32_t pixelOffset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());

    Bytes out;
    out.push_back('B');
    out.push_back('M');
    put32(out, pixelOffset + pixelBytes);
    put32(out, 0);
    put32(out, pixelOffset);
    putInfoHeader(out, w, h, 8, pixelBytes, static_cast<std::uint32_t>(palette.size()));
    for (std::uint32_t rgb : palette) {
        out.push_back(static_cast<std::uint8_t>(rgb & 0xFF));
        out.push_back(static_cast<std::uint8_t>((rgb >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>(rgb >> 16));
        out.push_back(0);
    }
    std::map<std::uint32_t, std::uint8_t> indexOf;
    for (int y = h - 1; y >= 0; --y) {
        Bytes row(static_cast<std::size_t>(stride), 0);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t rgb = packedRgb(image.at(x, y));
            auto it = indexOf.find(rgb);
            if (it == indexOf.end()) it = indexOf.emplace(rgb, nearestIndex(palette, rgb)).first;
            row[static_cast<std::size_t>(x)] = it->second;
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    save(out, path);
}

void writeIco(const std::vector<Canvas>& sizes, const std::string& path) {
    std::vector<Bytes> images;
    std::vector<int> widths;
    for (const Canvas& c : sizes) {
        images.push_back(iconImage(c));
        widths.push_back(c.width());
    }
    save(iconDirectory(1, images, widths, 1, 32), path);
}

void writeMonochromeCur(const std::vector<std::string>& rows, int size, int hotX, int hotY, const std::string& path) {
    const auto cell = [&](int x, int y) -> char {
        if (y >= static_cast<int>(rows.size()) || x >= static_cast<int>(rows[static_cast<std::size_t>(y)].size())) return ' ';
        return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
    };
    const std::uint32_t maskBytes = static_cast<std::uint32_t>(rowBytes(size, 1) * size);
    Bytes image;
    putInfoHeader(image, size, size * 2, 1, 2 * maskBytes, 2);
    put32(image, 0x00000000);  // palette: black
    put32(image, 0x00FFFFFF);  //          white
    putMaskRows(image, size, size, [&](int x, int y) { return cell(x, y) == '.'; });                        // XOR
    putMaskRows(image, size, size, [&](int x, int y) { return cell(x, y) != 'X' && cell(x, y) != '.'; });  // AND
    save(iconDirectory(2, {image}, {size}, hotX, hotY), path);
}

}  // namespace artgen
