#pragma once
// Regions of the plane in pixels: rectangles, ellipses and polygons, combined and tested for a
// point. A rectangle's right and bottom are exclusive.
#include <QRegion>
#include <vector>

namespace platform {

struct Point {
    int x;
    int y;
};

class Region {
public:
    Region() = default;
    static Region Rectangle(int left, int top, int right, int bottom);
    // The ellipse inscribed in the box left..right, top..bottom (right and bottom exclusive).
    static Region Ellipse(int left, int top, int right, int bottom);
    // Filled by the winding rule.
    static Region Polygon(const std::vector<Point>& points);

    bool Contains(int x, int y) const { return region_.contains(QPoint(x, y)); }
    bool IsEmpty() const { return region_.isEmpty(); }
    Region United(const Region& other) const { return Region(region_.united(other.region_)); }
    Region Intersected(const Region& other) const { return Region(region_.intersected(other.region_)); }
    Region Subtracted(const Region& other) const { return Region(region_.subtracted(other.region_)); }
    Region Translated(int dx, int dy) const { return Region(region_.translated(dx, dy)); }
    const QRegion& ToQRegion() const { return region_; }

private:
    explicit Region(QRegion region) : region_(std::move(region)) {}
    QRegion region_;
};

}  // namespace platform
