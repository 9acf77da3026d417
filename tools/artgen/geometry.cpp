#include "geometry.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace artgen {

namespace {

Box boundsOf(const std::vector<Pt>& points) {
    Box b{points.front().x, points.front().y, points.front().x, points.front().y};
    for (const Pt& p : points) {
        b.x0 = std::min(b.x0, p.x);
        b.y0 = std::min(b.y0, p.y);
        b.x1 = std::max(b.x1, p.x);
        b.y1 = std::max(b.y1, p.y);
    }
    return b;
}

Box merged(const Box& a, const Box& b) {
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

}  // namespace

Shape rect(double x0, double y0, double x1, double y1) {
    return {{x0, y0, x1, y1}, [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; }};
}

Shape roundRect(double x0, double y0, double x1, double y1, double radius) {
    return {{x0, y0, x1, y1}, [=](double x, double y) {
                if (x < x0 || x >= x1 || y < y0 || y >= y1) return false;
                const double cx = std::clamp(x, x0 + radius, x1 - radius);
                const double cy = std::clamp(y, y0 + radius, y1 - radius);
                const double dx = x - cx, dy = y - cy;
                return dx * dx + dy * dy <= radius * radius;
            }};
}

Shape ellipse(double cx, double cy, double rx, double ry) {
    return {{cx - rx, cy - ry, cx + rx, cy + ry}, [=](double x, double y) {
                const double dx = (x - cx) / rx, dy = (y - cy) / ry;
                return dx * dx + dy * dy <= 1.0;
            }};
}

Shape circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Shape ring(double cx, double cy, double outer, double inner) {
    return subtract(circle(cx, cy, outer), circle(cx, cy, inner));
}

Shape polygon(std::vector<Pt> points) {
    const Box box = boundsOf(points);
    return {box, [pts = std::move(points)](double x, double y) {
                bool in = false;
                for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                    const Pt& a = pts[i];
                    const Pt& b = pts[j];
                    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
                }
                return in;
            }};
}

Shape capsule(Pt a, Pt b, double halfWidth) {
    const Box box{std::min(a.x, b.x) - halfWidth, std::min(a.y, b.y) - halfWidth,
                  std::max(a.x, b.x) + halfWidth, std::max(a.y, b.y) + halfWidth};
    return {box, [=](double x, double y) {
                const double vx = b.x - a.x, vy = b.y - a.y;
                const double len2 = vx * vx + vy * vy;
                double t = len2 > 0 ? ((x - a.x) * vx + (y - a.y) * vy) / len2 : 0.0;
                t = std::clamp(t, 0.0, 1.0);
                const double dx = x - (a.x + t * vx), dy = y - (a.y + t * vy);
                return dx * dx + dy * dy <= halfWidth * halfWidth;
            }};
}

Shape polyline(const std::vector<Pt>& points, double halfWidth) {
    std::vector<Shape> parts;
    for (std::size_t i = 1; i < points.size(); ++i) parts.push_back(capsule(points[i - 1], points[i], halfWidth));
    return unite(std::move(parts));
}

Shape unite(std::vector<Shape> parts) {
    Box box = parts.front().box;
    for (const Shape& s : parts) box = merged(box, s.box);
    return {box, [ps = std::move(parts)](double x, double y) {
                for (const Shape& s : ps) {
                    if (x >= s.box.x0 && x < s.box.x1 && y >= s.box.y0 && y < s.box.y1 && s.inside(x, y)) return true;
                }
                return false;
            }};
}

Shape intersect(Shape a, Shape b) {
    const Box box{std::max(a.box.x0, b.box.x0), std::max(a.box.y0, b.box.y0), std::min(a.box.x1, b.box.x1),
                  std::min(a.box.y1, b.box.y1)};
    return {box, [a = std::move(a), b = std::move(b)](double x, double y) { return a.inside(x, y) && b.inside(x, y); }};
}

Shape subtract(Shape a, Shape b) {
    const Box box = a.box;
    return {box, [a = std::move(a), b = std::move(b)](double x, double y) { return a.inside(x, y) && !b.inside(x, y); }};
}

Shape transformed(Shape s, double scale, Pt offset) {
    const Box box{s.box.x0 * scale + offset.x, s.box.y0 * scale + offset.y, s.box.x1 * scale + offset.x,
                  s.box.y1 * scale + offset.y};
    return {box, [s = std::move(s), scale, offset](double x, double y) {
                return s.inside((x - offset.x) / scale, (y - offset.y) / scale);
            }};
}

}  // namespace artgen
