// Reads the input as a COORDS value, alone and in an AREA whose SHAPE the first byte picks,
// and asks the map for the link at points on and around the numbers read.
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "HTMLUn2/ImageMaps.h"
#include "Readhtml/HtmlSymbols.h"

namespace {

void AddArea(TMapItem& map, std::string_view shape, std::string_view coords) {
    TAttributeList attributes;
    attributes.Add(std::make_unique<TAttribute>(HrefSy, "x.htm", 0));
    if (!shape.empty())
        attributes.Add(std::make_unique<TAttribute>(ShapeSy, std::string(shape), 0));
    attributes.Add(std::make_unique<TAttribute>(CoordsSy, std::string(coords), 0));
    map.AddArea(attributes);
}

void HitTestAround(const TMapItem& map, const std::vector<int>& coords) {
    std::vector<std::pair<int, int>> points = {{0, 0}, {-1, -1}, {INT32_MAX, INT32_MIN}};
    for (std::size_t i = 0; i + 1 < coords.size() && i < 8; i += 2)
        for (int d : {-1, 0, 1})
            points.push_back({static_cast<int>(static_cast<unsigned>(coords[i]) + d),
                              static_cast<int>(static_cast<unsigned>(coords[i + 1]) + d)});
    for (const auto& [x, y] : points) {
        std::unique_ptr<TUrlTarget> link;
        if (map.HitTest(x, y, link) && (!link || link->Url != "x.htm")) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::vector<int> coords = ReadCoords(input);
    if (coords.size() > 201) std::abort();

    static constexpr std::string_view kShapes[] = {"",     "rect",    "circle", "poly",
                                                   "CIRC", "Polygon", "x"};
    const std::string_view shape = size > 0 ? kShapes[data[0] % std::size(kShapes)] : "";
    const std::string_view rest = size > 0 ? input.substr(1) : input;
    TMapItem map;
    AddArea(map, "", input);
    AddArea(map, shape, rest);
    if (map.Areas.size() > 2) std::abort();
    HitTestAround(map, coords);
    HitTestAround(map, ReadCoords(rest));
    return 0;
}
