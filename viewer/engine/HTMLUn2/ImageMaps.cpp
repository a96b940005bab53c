#include "HTMLUn2/ImageMaps.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "Readhtml/HtmlSymbols.h"
#include "platform/Numbers.h"

namespace {

constexpr std::size_t kPieceLength = 15;
constexpr std::size_t kRestLength = 255;
constexpr std::size_t kMaxCoords = 201;

enum class TShapeKind { Rectangle, Circle, Polygon };

// Only the first four letters count, so "circle" and "polygon" work too; anything else keeps
// what an earlier SHAPE chose.
TShapeKind ShapeOf(std::string_view text, TShapeKind current) {
    std::string prefix(text.substr(0, 4));
    for (char& c : prefix)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    if (prefix == "circ") return TShapeKind::Circle;
    if (prefix == "poly") return TShapeKind::Polygon;
    return current;
}

// The right and bottom given in COORDS belong to the area, hence the + 1.
std::optional<TAreaRegion> RectangleOf(const std::vector<int>& c) {
    if (c.size() < 4) return std::nullopt;
    return TAreaRegion::Rectangle(c[0], c[1], std::int64_t{c[2]} + 1, std::int64_t{c[3]} + 1);
}

std::optional<TAreaRegion> CircleOf(const std::vector<int>& c) {
    if (c.size() < 3) return std::nullopt;
    const std::int64_t x = c[0], y = c[1], r = c[2];
    return TAreaRegion::Ellipse(x - r, y - r, x + r + 1, y + r + 1);
}

// An odd last number has no partner and is left out.
std::optional<TAreaRegion> PolygonOf(const std::vector<int>& c) {
    if (c.size() < 6) return std::nullopt;
    std::vector<TAreaPoint> points;
    for (std::size_t i = 0; i + 1 < c.size(); i += 2) points.push_back({c[i], c[i + 1]});
    return TAreaRegion::Polygon(std::move(points));
}

std::optional<TAreaRegion> RegionOf(TShapeKind shape, const std::vector<int>& coords) {
    switch (shape) {
        case TShapeKind::Circle:
            return CircleOf(coords);
        case TShapeKind::Polygon:
            return PolygonOf(coords);
        case TShapeKind::Rectangle:
            break;
    }
    return RectangleOf(coords);
}

}  // namespace

std::vector<int> ReadCoords(std::string_view value) {
    std::vector<int> coords;
    std::string_view rest = value;
    while (coords.size() < kMaxCoords) {
        const std::size_t comma = rest.find(',');
        const std::string_view piece = rest.substr(0, std::min(comma, kPieceLength));
        rest = comma == std::string_view::npos ? std::string_view()
                                               : rest.substr(comma + 1, kRestLength);
        if (piece.empty()) break;
        int number = 0;
        coords.push_back(platform::TryStrToInt(piece, number) ? number : 0);
    }
    return coords;
}

void TMapItem::AddArea(const TAttributeList& Attributes) {
    std::string href;
    std::string target;
    TShapeKind shape = TShapeKind::Rectangle;
    std::vector<int> coords;
    for (std::size_t i = 0; i < Attributes.Count(); ++i) {
        const TAttribute& attribute = *Attributes[i];
        switch (attribute.Code) {
            case HrefSy:
                href = attribute.TextValue;
                break;
            case NohrefSy:
                href.clear();
                break;
            case TargetSy:
                target = attribute.TextValue;
                break;
            case ShapeSy:
                shape = ShapeOf(attribute.TextValue, shape);
                break;
            case CoordsSy:
                coords = ReadCoords(attribute.TextValue);
                break;
            default:
                break;
        }
    }
    std::optional<TAreaRegion> region = RegionOf(shape, coords);
    if (region) Areas.push_back({std::move(href), std::move(*region), std::move(target)});
}

bool TMapItem::HitTest(int X, int Y, std::unique_ptr<TUrlTarget>& Link) const {
    const auto hit = std::find_if(Areas.begin(), Areas.end(), [X, Y](const TMapArea& area) {
        return area.Region.Contains(X, Y);
    });
    if (hit == Areas.end() || hit->Href.empty()) return false;
    Link = std::make_unique<TUrlTarget>();
    Link->Url = hit->Href;
    Link->Target = hit->Target;
    return true;
}
