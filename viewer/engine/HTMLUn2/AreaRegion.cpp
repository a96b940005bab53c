#include "HTMLUn2/AreaRegion.h"

#include <algorithm>
#include <cstdlib>

namespace {

bool WithinLimit(std::int64_t value) {
    return value >= -TAreaRegion::kShapeLimit && value <= TAreaRegion::kShapeLimit;
}

// Twice the signed area of the triangle a, b, p: positive when p lies left of a -> b.
std::int64_t Side(const TAreaPoint& a, const TAreaPoint& b, const TAreaPoint& p) {
    return (b.X - a.X) * (p.Y - a.Y) - (p.X - a.X) * (b.Y - a.Y);
}

}  // namespace

TAreaRegion TAreaRegion::Rectangle(std::int64_t left, std::int64_t top, std::int64_t right,
                                   std::int64_t bottom) {
    return TAreaRegion(TKind::Rectangle, left, top, right, bottom);
}

std::optional<TAreaRegion> TAreaRegion::Ellipse(std::int64_t left, std::int64_t top,
                                                std::int64_t right, std::int64_t bottom) {
    if (!WithinLimit(left) || !WithinLimit(top) || !WithinLimit(right) || !WithinLimit(bottom))
        return std::nullopt;
    return TAreaRegion(TKind::Ellipse, left, top, right, bottom);
}

std::optional<TAreaRegion> TAreaRegion::Polygon(std::vector<TAreaPoint> points) {
    const auto beyond = [](const TAreaPoint& p) { return !WithinLimit(p.X) || !WithinLimit(p.Y); };
    if (points.empty() || std::any_of(points.begin(), points.end(), beyond)) return std::nullopt;
    const auto [minX, maxX] =
        std::minmax_element(points.begin(), points.end(),
                            [](const TAreaPoint& a, const TAreaPoint& b) { return a.X < b.X; });
    const auto [minY, maxY] =
        std::minmax_element(points.begin(), points.end(),
                            [](const TAreaPoint& a, const TAreaPoint& b) { return a.Y < b.Y; });
    // A pixel centre strictly inside lies strictly between the extreme coordinates.
    TAreaRegion region(TKind::Polygon, minX->X, minY->Y, maxX->X, maxY->Y);
    region.points_ = std::move(points);
    return region;
}

bool TAreaRegion::Contains(int x, int y) const {
    if (!InBox(x, y)) return false;
    switch (kind_) {
        case TKind::Ellipse:
            return EllipseContains(x, y);
        case TKind::Polygon:
            return PolygonContains(x, y);
        case TKind::Rectangle:
            break;
    }
    return true;
}

// In doubled coordinates the pixel centre and the box centre are whole numbers; the centre is
// inside when (dx / w)^2 + (dy / h)^2 < 1, multiplied out. Within the shape limit every term
// fits 64 unsigned bits, and |dx| < w, |dy| < h inside the box.
bool TAreaRegion::EllipseContains(int x, int y) const {
    const auto w = static_cast<std::uint64_t>(right_ - left_);
    const auto h = static_cast<std::uint64_t>(bottom_ - top_);
    const auto dx =
        static_cast<std::uint64_t>(std::abs(2 * std::int64_t{x} + 1 - (left_ + right_)));
    const auto dy =
        static_cast<std::uint64_t>(std::abs(2 * std::int64_t{y} + 1 - (top_ + bottom_)));
    return dx * dx * h * h < w * w * (h * h - dy * dy);
}

// The winding number of the pixel centre, in doubled coordinates so that the centre is whole
// and never level with a vertex.
bool TAreaRegion::PolygonContains(int x, int y) const {
    const TAreaPoint p{2 * std::int64_t{x} + 1, 2 * std::int64_t{y} + 1};
    int winding = 0;
    for (std::size_t i = 0; i < points_.size(); ++i) {
        const TAreaPoint& from = points_[i];
        const TAreaPoint& to = points_[(i + 1) % points_.size()];
        const TAreaPoint a{2 * from.X, 2 * from.Y};
        const TAreaPoint b{2 * to.X, 2 * to.Y};
        if (a.Y < p.Y && b.Y > p.Y && Side(a, b, p) > 0)
            ++winding;
        else if (a.Y > p.Y && b.Y < p.Y && Side(a, b, p) < 0)
            --winding;
    }
    return winding != 0;
}
