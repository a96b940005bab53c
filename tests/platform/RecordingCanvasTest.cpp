#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"
#include "platform/ScreenCanvas.h"

using namespace platform;

namespace {

Font FontOf(int points) {
    Font font;
    font.SetSize(points);
    return font;
}

}  // namespace

TEST(RecordingCanvas, MeasuresEveryFontWithFixedMetrics) {
    struct Case {
        int points, width, height, ascent, descent, leading;
    };
    const Case cases[] = {{12, 8, 16, 12, 4, 2}, {10, 6, 13, 10, 3, 1}, {8, 5, 11, 9, 2, 1}};
    RecordingCanvas canvas;
    for (const Case& c : cases) {
        canvas.SetFont(FontOf(c.points));
        const TextMetric metric = canvas.GetTextMetrics();
        EXPECT_EQ(metric.tmHeight, c.height) << c.points;
        EXPECT_EQ(metric.tmAscent, c.ascent) << c.points;
        EXPECT_EQ(metric.tmDescent, c.descent) << c.points;
        EXPECT_EQ(metric.tmExternalLeading, c.leading) << c.points;
        EXPECT_EQ(metric.tmOverhang, 0);
        EXPECT_EQ(canvas.TextExtent("abc"), (Size{3 * c.width, c.height})) << c.points;
        EXPECT_EQ(canvas.TextWidth(""), 0);
    }
}

TEST(RecordingCanvas, RecordsEveryCallWithTheStateItSaw) {
    RecordingCanvas canvas;
    Font font = FontOf(12);
    font.SetName("Courier New");
    font.SetColor(clRed);
    canvas.SetFont(font);
    canvas.SetTextAlign(TextAlign::Baseline);
    canvas.SetBkMode(BkMode::Transparent);
    canvas.SetWindowOrg(0, 100);
    canvas.pen.Color = clGreen;
    canvas.MoveTo(1, 2);
    canvas.LineTo(9, 2);
    canvas.TextOut(10, 20, "abc");
    canvas.TextRect({0, 0, 50, 30}, 4, 5, "x");
    canvas.brush.Style = BrushStyle::Clear;
    canvas.Rectangle({1, 2, 3, 4});
    canvas.Ellipse({0, 0, 5, 5});
    canvas.FillRect({1, 1, 2, 2});
    canvas.FillRegion(Region::Rectangle(0, 0, 2, 2).United(Region::Rectangle(4, 4, 6, 6)));
    canvas.SelectClipRegion(Region::Rectangle(0, 0, 10, 10));
    canvas.StretchDraw({0, 0, 4, 4}, Bitmap::Monochrome(2, 2), RasterOp::And);
    canvas.RemoveClipRegion();
    canvas.TextWidth("measured");

    EXPECT_EQ(canvas.Drawing(), (std::vector<std::string>{
                                    "LineTo 1,2-9,2",
                                    "TextOut 10,20 \"abc\"",
                                    "TextRect 0,0-50,30 4,5 \"x\"",
                                    "Rectangle 1,2-3,4",
                                    "Ellipse 0,0-5,5",
                                    "FillRect 1,1-2,2",
                                    "FillRegion 0,0-6,6",
                                    "SelectClipRegion 0,0-10,10",
                                    "StretchDraw 0,0-4,4 2x2 And",
                                    "RemoveClipRegion",
                                }));
    ASSERT_EQ(canvas.calls.size(), 11u);
    EXPECT_EQ(Describe(canvas.calls.back()), "TextExtent \"measured\"");
    const RecordedCall& text = canvas.calls[1];
    EXPECT_EQ(text.font.Name(), "Courier New");
    EXPECT_EQ(text.font.Color(), clRed);
    EXPECT_EQ(text.textAlign, TextAlign::Baseline);
    EXPECT_EQ(text.bkMode, BkMode::Transparent);
    EXPECT_EQ(text.windowOrg.y, 100);
    EXPECT_EQ(canvas.calls[0].pen.Color, clGreen);
    EXPECT_EQ(canvas.calls[3].brush.Style, BrushStyle::Clear);
    EXPECT_TRUE(canvas.calls[8].pictureMonochrome);
    EXPECT_TRUE(canvas.calls[6].region.Contains(4, 4));
    EXPECT_FALSE(canvas.calls[6].region.Contains(3, 3));
}

TEST(RecordingCanvas, ClipRectIsTheDeviceWithinTheClipInLogicalUnits) {
    RecordingCanvas canvas;
    canvas.device = {0, 0, 100, 50};
    EXPECT_EQ(canvas.ClipRect(), (Rect{0, 0, 100, 50}));
    canvas.SelectClipRegion(Region::Rectangle(10, 10, 200, 20));
    canvas.SetWindowOrg(5, 0);
    canvas.SetMapping({1, 1}, {2, 2});
    EXPECT_EQ(canvas.ClipRect(), (Rect{10, 5, 55, 10}));
}

TEST(ScreenCanvas, AnInstalledCanvasStandsInForTheScreenWhileItLives) {
    Canvas& screen = ScreenCanvas();
    screen.SetFont(FontOf(12));
    EXPECT_GT(screen.TextWidth("abc"), 0);
    {
        ScopedScreenCanvas fixed(std::make_unique<RecordingCanvas>());
        ScreenCanvas().SetFont(FontOf(12));
        EXPECT_EQ(ScreenCanvas().TextWidth("abc"), 24);
        EXPECT_NE(&ScreenCanvas(), &screen);
    }
    EXPECT_EQ(&ScreenCanvas(), &screen);
}
