// Vector shapes as point-inclusion tests with a bounding box. Pictures are
// small, so testing every sub-sample against every shape is fast enough and
// keeps each primitive a few lines.
#pragma once

#include <functional>
#include <vector>

namespace artgen {

struct Pt {
    double x = 0, y = 0;
};

struct Box {
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

struct Shape {
    Box box;
    std::function<bool(double, double)> inside;
};

Shape rect(double x0, double y0, double x1, double y1);
Shape roundRect(double x0, double y0, double x1, double y1, double radius);
Shape ellipse(double cx, double cy, double rx, double ry);
Shape circle(double cx, double cy, double r);
Shape ring(double cx, double cy, double outer, double inner);
Shape polygon(std::vector<Pt> points);  // even-odd rule
Shape capsule(Pt a, Pt b, double halfWidth);
Shape polyline(const std::vector<Pt>& points, double halfWidth);

Shape unite(std::vector<Shape> parts);
Shape intersect(Shape a, Shape b);
Shape subtract(Shape a, Shape b);

// The same shape moved and scaled about the origin: p' = p * scale + offset.
Shape transformed(Shape s, double scale, Pt offset);

}  // namespace artgen
