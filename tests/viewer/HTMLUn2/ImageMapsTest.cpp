#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

#include "HTMLUn2/ImageMaps.h"
#include "Readhtml/HtmlSymbols.h"

namespace {

using Attrs = std::vector<std::pair<THtmlSymbol, std::string>>;

void AddArea(TMapItem& map, const Attrs& attrs) {
    TAttributeList list;
    for (const auto& [code, text] : attrs) list.Add(std::make_unique<TAttribute>(code, text, 0));
    map.AddArea(list);
}

// The address under the point, or "-" when there is no link.
std::string LinkAt(const TMapItem& map, int x, int y) {
    std::unique_ptr<TUrlTarget> link;
    return map.HitTest(x, y, link) ? link->Url : "-";
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

}  // namespace

TEST(ReadCoords, ReadsPiecesUpToEachCommaAndStopsAtTheFirstEmptyOne) {
    const std::vector<std::pair<std::string, std::vector<int>>> cases = {
        {"1,2,3,4", {1, 2, 3, 4}},
        {"1, 2, 3, 4", {1, 2, 3, 4}},  // leading spaces are accepted
        {"1 ,2 ,3 ,4", {0, 0, 0, 4}},  // trailing ones are not
        {"1 2,3", {0, 3}},             // spaces separate nothing
        {"1,,2,3,4", {1}},
        {"7,8,", {7, 8}},
        {"", {}},
        {",5", {}},
        {"$1F,-5,+7,x,0x10", {31, -5, 7, 0, 16}},
        {"-000000000000042,1", {-4, 1}},  // a piece is cut to 15 characters
        {"2147483647,-2147483648,2147483648", {2147483647, -2147483647 - 1, 0}},
        {"99999999999999999999,3", {0, 3}},
    };
    for (const auto& [value, numbers] : cases) EXPECT_EQ(ReadCoords(value), numbers) << value;
}

TEST(ReadCoords, CutsTheRestTo255CharactersAtEveryStep) {
    // The 255th character after the first comma is the 7; the ",5" after it is cut off.
    EXPECT_EQ(ReadCoords("1," + std::string(254, '0') + "7,5"), (std::vector<int>{1, 0}));
    // Only the first piece may come from beyond; after it at most 128 one-digit pieces fit.
    EXPECT_EQ(ReadCoords(Repeat("1,", 5000)).size(), 129u);
    EXPECT_EQ(ReadCoords(std::string(1000000, ' ') + ",2"), (std::vector<int>{0, 2}));
}

TEST(MapItem, RectangleIncludesTheRightAndBottomGiven) {
    TMapItem map;
    AddArea(map, {{HrefSy, "r.htm"}, {CoordsSy, "0,0,9,9"}});  // no SHAPE: a rectangle
    ASSERT_EQ(map.Areas.size(), 1u);
    EXPECT_EQ(LinkAt(map, 0, 0), "r.htm");
    EXPECT_EQ(LinkAt(map, 9, 9), "r.htm");
    EXPECT_EQ(LinkAt(map, 10, 10), "-");
    EXPECT_EQ(LinkAt(map, -1, 0), "-");
}

TEST(MapItem, CircleIsTheEllipseInItsBox) {
    TMapItem map;
    AddArea(map, {{HrefSy, "c.htm"}, {ShapeSy, "circ"}, {CoordsSy, "50,50,10"}});
    // The box is 40..60 with both ends included: a pixel belongs when its centre lies inside.
    for (auto [x, y] : {std::pair{50, 50}, {55, 55}, {40, 50}, {60, 50}, {50, 60}})
        EXPECT_EQ(LinkAt(map, x, y), "c.htm") << x << "," << y;
    for (auto [x, y] : {std::pair{62, 50}, {45, 38}, {61, 50}, {50, 39}, {42, 42}})
        EXPECT_EQ(LinkAt(map, x, y), "-") << x << "," << y;
    TMapItem dot;
    AddArea(dot, {{HrefSy, "d"}, {ShapeSy, "circ"}, {CoordsSy, "5,5,0"}});
    EXPECT_EQ(LinkAt(dot, 5, 5) + LinkAt(dot, 6, 5) + LinkAt(dot, 5, 4), "d--");
}

TEST(MapItem, PolygonNeedsThreePointsIgnoresAnOddNumberAndFillsByWinding) {
    TMapItem map;
    AddArea(map, {{HrefSy, "five"}, {ShapeSy, "poly"}, {CoordsSy, "0,0,100,0,0"}});
    EXPECT_TRUE(map.Areas.empty());
    AddArea(map, {{HrefSy, "tri"}, {ShapeSy, "poly"}, {CoordsSy, "0,0,100,0,0,100,77"}});
    ASSERT_EQ(map.Areas.size(), 1u);
    EXPECT_EQ(LinkAt(map, 10, 10), "tri");
    EXPECT_EQ(LinkAt(map, 90, 90), "-");
    // A polygon's pixels are those whose centres it covers: no + 1 as for rectangles.
    TMapItem square;
    AddArea(square, {{HrefSy, "sq"}, {ShapeSy, "poly"}, {CoordsSy, "0,0,10,0,10,10,0,10"}});
    EXPECT_EQ(
        LinkAt(square, 0, 0) + LinkAt(square, 9, 9) + LinkAt(square, 10, 5) + LinkAt(square, 5, 10),
        "sqsq--");
    // A five-pointed star drawn in one stroke: its centre is covered twice, which the winding
    // rule fills and the alternate rule would leave empty.
    AddArea(
        map,
        {{HrefSy, "star"}, {ShapeSy, "poly"}, {CoordsSy, "250,10,274,82,212,38,288,38,226,82"}});
    EXPECT_EQ(LinkAt(map, 250, 50), "star");
}

TEST(MapItem, ShapeCountsByItsFirstFourLettersInAnyCase) {
    struct Case {
        std::string shape, coords;
        int x, y;
        std::string link;
    };
    // Each point lies inside the shape meant and outside the rectangle of the same numbers.
    const std::vector<Case> cases = {
        {"circle", "50,50,10", 55, 55, "x"},
        {"CIRC", "50,50,10", 55, 55, "x"},
        {"cir", "50,50,10", 55, 55, "-"},  // a rectangle, which 3 numbers do not make
        {"Polygon", "0,0,100,0,0,100", 10, 10, "x"},
        {"POLY", "0,0,100,0,0,100", 10, 10, "x"},
        {"pol", "0,0,100,0,0,100", 10, 10, "-"},  // the rectangle 0..100 by 0..0
        {"rect", "0,0,9,9", 5, 5, "x"},
        {"square", "0,0,9,9", 5, 5, "x"},
    };
    for (const Case& c : cases) {
        TMapItem map;
        AddArea(map, {{HrefSy, "x"}, {ShapeSy, c.shape}, {CoordsSy, c.coords}});
        EXPECT_EQ(LinkAt(map, c.x, c.y), c.link) << c.shape;
    }
}

TEST(MapItem, LaterAttributesOverrideEarlierOnes) {
    TMapItem map;
    // "rect" after "circle" keeps the circle: only circ and poly change the shape.
    AddArea(map, {{ShapeSy, "circle"},
                  {HrefSy, "a"},
                  {ShapeSy, "rect"},
                  {CoordsSy, "50,50,10"},
                  {TargetSy, "t1"},
                  {TargetSy, "t2"}});
    ASSERT_EQ(map.Areas.size(), 1u);
    std::unique_ptr<TUrlTarget> link;
    ASSERT_TRUE(map.HitTest(50, 50, link));
    EXPECT_EQ(link->Url, "a");
    EXPECT_EQ(link->Target, "t2");
    // COORDS is read afresh: the empty piece of the second leaves too few numbers.
    AddArea(map, {{HrefSy, "b"}, {CoordsSy, "0,0,9,9"}, {CoordsSy, "1,,2,3,4"}});
    EXPECT_EQ(map.Areas.size(), 1u);
    AddArea(map, {{NohrefSy, ""}, {HrefSy, "c"}, {CoordsSy, "100,0,109,9"}});
    AddArea(map, {{HrefSy, "d"}, {NohrefSy, ""}, {CoordsSy, "200,0,209,9"}});
    EXPECT_EQ(LinkAt(map, 105, 5), "c");
    EXPECT_EQ(LinkAt(map, 205, 5), "-");
}

TEST(MapItem, FirstAreaAddedWinsAndOneWithoutHrefHidesTheRest) {
    TMapItem map;
    AddArea(map, {{HrefSy, "first"}, {CoordsSy, "0,0,49,49"}});
    AddArea(map, {{NohrefSy, ""}, {CoordsSy, "100,0,149,49"}});
    AddArea(map, {{HrefSy, "second"}, {TargetSy, "side"}, {CoordsSy, "25,0,174,49"}});
    ASSERT_EQ(map.Areas.size(), 3u);
    EXPECT_EQ(LinkAt(map, 30, 10), "first");
    EXPECT_EQ(LinkAt(map, 60, 10), "second");
    std::unique_ptr<TUrlTarget> link = std::make_unique<TUrlTarget>();
    TUrlTarget* before = link.get();
    EXPECT_FALSE(map.HitTest(120, 10, link));  // the NOHREF area lies over "second"
    EXPECT_FALSE(map.HitTest(300, 10, link));  // no area at all
    EXPECT_EQ(link.get(), before);             // a miss leaves the caller's link alone
    ASSERT_TRUE(map.HitTest(160, 10, link));
    EXPECT_EQ(link->Url + "|" + link->Target, "second|side");
}

TEST(MapItem, HostileCoordsNeverHangAndCirclesOrPolygonsBeyondTheLimitAreLeftOut) {
    const auto start = std::chrono::steady_clock::now();
    TMapItem map;
    // A rectangle needs no limit; the second circle's box reaches 32768.
    AddArea(map, {{HrefSy, "huge"}, {CoordsSy, "0,0,2147483647,2147483647"}});
    AddArea(map,
            {{HrefSy, "-"}, {ShapeSy, "circle"}, {CoordsSy, "-2147483648,$7FFFFFFF,2147483647"}});
    AddArea(map, {{HrefSy, "-"}, {ShapeSy, "circle"}, {CoordsSy, "0,0,32767"}});
    AddArea(map, {{HrefSy, "-"}, {ShapeSy, "poly"}, {CoordsSy, "0,0,32768,0,0,100"}});
    ASSERT_EQ(map.Areas.size(), 1u);
    EXPECT_EQ(LinkAt(map, 2147483647, 2147483647), "huge");
    EXPECT_EQ(LinkAt(map, -1, 5), "-");
    // The largest shapes still made, the polygon a zigzag whose every edge crosses every row
    // (as many points as the cut at 255 characters leaves).
    TMapItem big;
    AddArea(big, {{HrefSy, "circle"}, {ShapeSy, "circ"}, {CoordsSy, "0,0,32766"}});
    std::string zigzag;
    for (int i = 0; i < 100; ++i)
        zigzag += std::to_string(i * 600 - 30000) + (i % 2 ? ",-32767," : ",32767,");
    AddArea(big, {{HrefSy, "zigzag"}, {ShapeSy, "poly"}, {CoordsSy, zigzag}});
    AddArea(big, {{HrefSy, "many"}, {ShapeSy, "poly"}, {CoordsSy, Repeat("9,", 100000)}});
    AddArea(big, {{HrefSy, "junk"},
                  {ShapeSy, std::string(100000, 'c')},
                  {CoordsSy, std::string(100000, '$')}});
    ASSERT_EQ(big.Areas.size(), 3u);  // the junk reads as the one number 0
    EXPECT_EQ(LinkAt(big, 23000, 23000), "circle");
    EXPECT_EQ(LinkAt(big, -32767, 0), "-");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
}
