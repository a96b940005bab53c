#include "Region.h"

#include <QPolygon>

namespace platform {

Region Region::Rectangle(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return {};
    return Region(QRegion(left, top, right - left, bottom - top));
}

Region Region::Ellipse(int left, int top, int right, int bottom) {
    if (right <= left || bottom <= top) return {};
    return Region(QRegion(left, top, right - left, bottom - top, QRegion::Ellipse));
}

Region Region::Polygon(const std::vector<Point>& points) {
    QPolygon polygon;
    for (const Point& point : points) polygon << QPoint(point.x, point.y);
    return Region(QRegion(polygon, Qt::WindingFill));
}

}  // namespace platform
