#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "Htmlsubs/IndentManager.h"

namespace {

constexpr std::uint8_t kLeft = 3;
constexpr std::uint8_t kRight = 4;
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TFloatingObj Image(std::uint8_t align, std::int32_t width, std::int32_t gap, std::int32_t height) {
    TFloatingObj image;
    image.Align = align;
    image.BoxWidth = width;
    image.HorzGap = gap;
    image.BoxHeight = height;
    image.FloatX = -777;  // shows whether AddFloat placed it
    return image;
}

// A column 500 wide being laid out.
class IndentManagerTest : public ::testing::Test {
protected:
    void SetUp() override { indents.Reset(0, 500); }

    // Adds a left float 100 wide with a gap of 5 at Y 0, 50 high: the 105-wide float.
    TFloatingObj AddFirstFloat() {
        TFloatingObj image = Image(kLeft, 100, 5, 50);
        indents.AddFloat(0, image);
        return image;
    }

    IndentManager indents;
};

}  // namespace

TEST_F(IndentManagerTest, LeftFloatsNarrowFromTheirTopToJustAboveTheirBottom) {
    EXPECT_EQ(AddFirstFloat().FloatX, 0);
    for (auto [y, edge] : {std::pair{-1, 0}, {0, 105}, {49, 105}, {50, 0}})
        EXPECT_EQ(indents.LeftEdgeAt(y), edge) << y;
    EXPECT_EQ(indents.RightEdgeAt(10), 500);
    // The second starts at the first's boundary and keeps its own edge after the first ends.
    TFloatingObj second = Image(kLeft, 50, 5, 100);
    indents.AddFloat(20, second);
    EXPECT_EQ(second.FloatX, 105);
    for (auto [y, edge] : {std::pair{10, 105}, {20, 160}, {60, 160}, {119, 160}, {120, 0}})
        EXPECT_EQ(indents.LeftEdgeAt(y), edge) << y;
}

TEST_F(IndentManagerTest, RightFloatsKeepTheirGapOnTheLeftInsideTheBoundary) {
    TFloatingObj first = Image(kRight, 100, 5, 40);
    indents.AddFloat(10, first);
    EXPECT_EQ(first.FloatX, 400);  // e = -105, + RightEdge 500 + HorzGap 5
    for (auto [y, edge] : {std::pair{9, 500}, {10, 395}, {49, 395}, {50, 500}})
        EXPECT_EQ(indents.RightEdgeAt(y), edge) << y;
    TFloatingObj second = Image(kRight, 60, 10, 40);
    indents.AddFloat(20, second);
    EXPECT_EQ(second.FloatX, 335);  // e = -105 - 70 = -175: its picture ends at 395
    EXPECT_EQ(indents.RightEdgeAt(20), 325);
    EXPECT_EQ(indents.LeftEdgeAt(20), 0);
}

TEST_F(IndentManagerTest, OnlyLeftAndRightImagesFloat) {
    for (std::uint8_t align : {0, 1, 2, 5}) {
        TFloatingObj image = Image(align, 100, 5, 50);
        indents.AddFloat(0, image);
        EXPECT_EQ(image.FloatX, -777) << int{align};
    }
    EXPECT_TRUE(indents.LeftIndents.Empty());
    EXPECT_TRUE(indents.RightIndents.Empty());
}

TEST_F(IndentManagerTest, BlocksRegisterOnSideOneOrThreeOnly) {
    AddFirstFloat();
    indents.AddBlock(20, 200, 30, 1);
    indents.AddBlock(10, 150, 30, 3);
    for (int side : {0, 2, 4, -1}) indents.AddBlock(10, 150, 30, side);
    EXPECT_EQ(indents.LeftIndents.Count(), 2u);
    EXPECT_EQ(indents.RightIndents.Count(), 1u);
    EXPECT_EQ(indents.LeftEdgeAt(20), 305);  // beside the float
    EXPECT_EQ(indents.LeftEdgeAt(49), 305);
    EXPECT_EQ(indents.LeftEdgeAt(50), 0);
    EXPECT_EQ(indents.RightEdgeAt(10), 350);
    EXPECT_EQ(indents.RightEdgeAt(40), 500);
}

TEST_F(IndentManagerTest, ListLevelsAddTheirIndentToTheFloatsAndCloseIntoFloats) {
    AddFirstFloat();
    indents.SetLevel(10, 2);
    ASSERT_EQ(indents.LeftIndents.Count(), 3u);
    const IndentRec& level1 = *indents.LeftIndents[1];
    const IndentRec& level2 = *indents.LeftIndents[2];
    EXPECT_EQ(level1.Edge, 140);
    EXPECT_EQ(level2.Edge, 175);
    EXPECT_EQ(level2.LevelId, 2);
    EXPECT_EQ(level2.YTop, 10);
    EXPECT_EQ(indents.Level, 2);
    EXPECT_EQ(indents.LeftEdgeAt(1000), 175);  // open levels reach down without end
    EXPECT_EQ(indents.FloatBottom(), 50);      // and are no floats
    indents.SetLevel(200, 1);
    EXPECT_EQ(level2.YBottom, 199);
    EXPECT_EQ(level2.LevelId, 0);
    EXPECT_EQ(level1.LevelId, 1);
    EXPECT_EQ(indents.LeftEdgeAt(198), 175);
    EXPECT_EQ(indents.LeftEdgeAt(199), 140);
    EXPECT_EQ(indents.FloatBottom(), 199);
    indents.SetLevel(300, 1);  // the same level changes nothing
    EXPECT_EQ(indents.LeftIndents.Count(), 3u);
    indents.SetLevel(300, 0);
    EXPECT_EQ(level1.YBottom, 299);
    EXPECT_EQ(indents.Level, 0);
}

TEST_F(IndentManagerTest, FloatAndClearBottomsCountFloatsOfBothSides) {
    std::int32_t left = -1, right = -1;
    indents.SetLevel(0, 1);
    EXPECT_EQ(indents.FloatBottom(), 0);
    indents.ClearBottoms(left, right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    indents.AddBlock(0, 100, 50, 1);
    indents.ClearBottoms(left, right);
    EXPECT_EQ(left, 51);
    EXPECT_EQ(right, 0);
    indents.AddBlock(10, 100, 70, 3);
    indents.AddBlock(0, 100, 20, 3);
    indents.ClearBottoms(left, right);
    EXPECT_EQ(right, 81);
    EXPECT_EQ(indents.FloatBottom(), 80);
}

TEST_F(IndentManagerTest, LevelClearYIsBelowTheLeftRecordsReachingPastTheCurrentLevel) {
    indents.SetLevel(0, 1);
    EXPECT_EQ(indents.LevelClearY(), 1);  // nothing reaches past 35
    TFloatingObj inside = Image(kLeft, 100, 5, 40);
    indents.AddFloat(10, inside);
    EXPECT_EQ(inside.FloatX, 35);
    EXPECT_EQ(indents.LevelClearY(), 51);
    // A float that the level's indent already clears does not count.
    IndentManager before;
    before.Reset(0, 500);
    TFloatingObj image = Image(kLeft, 100, 5, 50);
    before.AddFloat(0, image);
    before.SetLevel(10, 1);
    EXPECT_EQ(before.LevelClearY(), 1);
    // A closed deeper level counts as a float reaching past the current one.
    before.SetLevel(20, 2);
    before.SetLevel(100, 1);
    EXPECT_EQ(before.LevelClearY(), 100);
}

TEST_F(IndentManagerTest, LevelClearYTakesTheLastRecordOfTheLevel) {
    AddFirstFloat();                       // Edge 105, bottom 50
    indents.AddBlock(60, 20, 20, 1);       // Edge 20, bottom 80: the last record of level 0
    EXPECT_EQ(indents.LevelClearY(), 51);  // the first would have been the 105
}

TEST_F(IndentManagerTest, ResetMovesTheEdgesAndKeepsTheRecordsClearFreesThem) {
    AddFirstFloat();
    indents.AddBlock(0, 100, 50, 3);
    indents.SetLevel(0, 1);
    indents.Reset(30, 530);
    EXPECT_EQ(indents.Level, 0);
    EXPECT_EQ(indents.LeftEdgeAt(0), 30 + 140);
    EXPECT_EQ(indents.RightEdgeAt(0), 430);
    indents.Clear();
    EXPECT_TRUE(indents.LeftIndents.Empty());
    EXPECT_TRUE(indents.RightIndents.Empty());
    EXPECT_EQ(indents.LeftEdgeAt(0), 30);
    EXPECT_EQ(indents.RightEdgeAt(0), 530);
}

TEST_F(IndentManagerTest, HugeSizesStopAtTheEndsOfTheRange) {
    TFloatingObj wide = Image(kLeft, kMax, 20, kMax);
    indents.AddFloat(100, wide);
    EXPECT_EQ(indents.LeftIndents[0]->Edge, kMax);
    EXPECT_EQ(indents.LeftIndents[0]->YBottom, kMax);
    TFloatingObj right = Image(kRight, kMax, 20, 10);
    indents.AddFloat(kMax, right);
    indents.AddBlock(kMin, kMax, kMin, 3);
    indents.AddBlock(kMax, kMax, kMax, 1);
    EXPECT_EQ(indents.RightIndents[1]->YBottom, kMin);
    indents.SetLevel(kMax, 3);
    EXPECT_EQ(indents.LeftEdgeAt(kMax - 1), kMax);
    indents.SetLevel(kMin, 0);
    EXPECT_EQ(indents.LeftIndents.Last()->YBottom, kMin);
    std::int32_t left = 0, rightBottom = 0;
    indents.ClearBottoms(left, rightBottom);
    EXPECT_EQ(left, kMax);
    EXPECT_EQ(indents.LevelClearY(), kMax);
}
