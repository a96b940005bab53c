#pragma once
// The region of one image-map area: a rectangle, an ellipse or a polygon filled by the winding
// rule. A pixel belongs to the region when its centre does.
//
// Areas keep their shape and test points directly instead of building a scan-line region: the
// cost of the platform's regions grows with the square of their size (a circle 16000 pixels
// across, or a zigzag polygon 1000 pixels tall, takes a second), and COORDS comes from the
// document.
#include <cstdint>
#include <optional>
#include <vector>

struct TAreaPoint {
    std::int64_t X;
    std::int64_t Y;
};

class TAreaRegion {
public:
    // Right and bottom are exclusive.
    static TAreaRegion Rectangle(std::int64_t left, std::int64_t top, std::int64_t right,
                                 std::int64_t bottom);
    // The ellipse inscribed in the box (right and bottom exclusive); none for a box reaching
    // beyond kShapeLimit.
    static std::optional<TAreaRegion> Ellipse(std::int64_t left, std::int64_t top,
                                              std::int64_t right, std::int64_t bottom);
    // None for a point beyond kShapeLimit.
    static std::optional<TAreaRegion> Polygon(std::vector<TAreaPoint> points);

    bool Contains(int x, int y) const;

    // Circles and polygons must lie within it, so that their arithmetic stays within 64 bits;
    // no picture comes near it.
    static constexpr std::int64_t kShapeLimit = 32767;

private:
    enum class TKind { Rectangle, Ellipse, Polygon };
    TAreaRegion(TKind kind, std::int64_t left, std::int64_t top, std::int64_t right,
                std::int64_t bottom)
        : kind_(kind), left_(left), top_(top), right_(right), bottom_(bottom) {}

    bool InBox(int x, int y) const { return x >= left_ && x < right_ && y >= top_ && y < bottom_; }
    bool EllipseContains(int x, int y) const;
    bool PolygonContains(int x, int y) const;

    TKind kind_;
    std::int64_t left_, top_, right_, bottom_;  // the box every pixel of the region lies in
    std::vector<TAreaPoint> points_;
};
