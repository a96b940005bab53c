#include <gtest/gtest.h>

#include <QPainter>
#include <QPicture>

#include "platform/QtCanvas.h"

using namespace platform;

namespace {

Bitmap Filled(int width, int height, TColor color) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, color);
    return bitmap;
}

// The pixels of one row that are not the background, as a string of 0 and 1.
std::string Row(const Bitmap& bitmap, int y, TColor background = clWhite) {
    std::string row;
    for (int x = 0; x < bitmap.Width(); ++x) row += bitmap.Pixel(x, y) == background ? '0' : '1';
    return row;
}

// The rows in which anything but the background was drawn: first and last.
std::pair<int, int> InkRows(const Bitmap& bitmap) {
    int first = -1, last = -1;
    for (int y = 0; y < bitmap.Height(); ++y)
        if (Row(bitmap, y).find('1') != std::string::npos) {
            if (first < 0) first = y;
            last = y;
        }
    return {first, last};
}

Font Arial(int points, TColor color = clBlack) {
    Font font;
    font.SetName("Arial");
    font.SetSize(points);
    font.SetColor(color);
    return font;
}

constexpr TColor kDest = RGB(0x33, 0x66, 0x99);
constexpr TColor kSource = RGB(0xF0, 0x0F, 0x55);

}  // namespace

TEST(QtCanvas, RasterOperationsCombineEveryPixelAsGdiDoes) {
    Bitmap mask = Bitmap::Monochrome(2, 1);
    mask.SetPixel(1, 0, clWhite);
    struct Case {
        RasterOp op;
        const Bitmap* source;
        TColor left, right;
    };
    const Bitmap colour = Filled(2, 1, kSource);
    const Case cases[] = {
        {RasterOp::Copy, &colour, kSource, kSource},
        {RasterOp::And, &colour, kDest & kSource, kDest & kSource},
        {RasterOp::Or, &colour, kDest | kSource, kDest | kSource},
        {RasterOp::Copy, &mask, clBlack, clWhite},
        {RasterOp::And, &mask, clBlack, kDest},  // 0 clears, 1 keeps
        {RasterOp::Or, &mask, kDest, clWhite},   // 0 keeps, 1 whitens
    };
    for (const Case& c : cases) {
        Bitmap target = Filled(2, 1, kDest);
        QtCanvas(target).StretchDraw({0, 0, 2, 1}, *c.source, c.op);
        EXPECT_EQ(target.Pixel(0, 0), c.left) << static_cast<int>(c.op);
        EXPECT_EQ(target.Pixel(1, 0), c.right) << static_cast<int>(c.op);
    }
}

TEST(QtCanvas, StretchedPicturesRepeatTheirPixelsWithoutBlending) {
    Bitmap picture = Filled(2, 1, clRed);
    picture.SetPixel(1, 0, clBlue);
    Bitmap target = Filled(6, 3, clWhite);
    QtCanvas(target).StretchDraw({1, 1, 5, 3}, picture, RasterOp::Copy);
    EXPECT_EQ(Row(target, 0), "000000");
    for (int y : {1, 2}) {
        EXPECT_EQ(target.Pixel(0, y), clWhite);
        EXPECT_EQ(target.Pixel(1, y), clRed);
        EXPECT_EQ(target.Pixel(2, y), clRed);
        EXPECT_EQ(target.Pixel(3, y), clBlue);
        EXPECT_EQ(target.Pixel(4, y), clBlue);
        EXPECT_EQ(target.Pixel(5, y), clWhite);
    }
}

TEST(QtCanvas, ShapesLeaveOutTheirRightAndBottomEdgesAndLinesTheirEndPoint) {
    Bitmap target = Filled(8, 9, clWhite);
    {
        QtCanvas canvas(target);
        canvas.MoveTo(1, 0);
        canvas.LineTo(5, 0);
        EXPECT_EQ(canvas.PenPos().x, 5);
        canvas.LineTo(5, 2);
        canvas.brush.Color = clRed;
        canvas.Rectangle({1, 3, 5, 7});
        canvas.FillRect({6, 3, 8, 5});
        canvas.brush.Style = BrushStyle::Clear;
        canvas.FillRect({0, 7, 8, 9});  // a hollow brush fills nothing
    }
    EXPECT_EQ(Row(target, 0), "01111100");  // the second line starts where the first ended
    EXPECT_EQ(Row(target, 1), "00000100");
    EXPECT_EQ(Row(target, 2), "00000000");
    EXPECT_EQ(Row(target, 3), "01111011");
    EXPECT_EQ(Row(target, 4), "01111011");
    EXPECT_EQ(Row(target, 6), "01111000");
    EXPECT_EQ(Row(target, 7), "00000000");
    EXPECT_EQ(target.Pixel(1, 4), clBlack);  // the pen's outline
    EXPECT_EQ(target.Pixel(2, 4), clRed);    // the brush's inside
    EXPECT_EQ(target.Pixel(6, 3), clRed);
}

TEST(QtCanvas, WindowOriginAndMappingMoveAndScaleWhatIsDrawn) {
    Bitmap target = Filled(8, 8, clWhite);
    QtCanvas canvas(target);
    canvas.brush.Color = clBlack;
    canvas.SetWindowOrg(10, 10);
    canvas.FillRect({10, 10, 12, 11});
    EXPECT_EQ(Row(target, 0), "11000000");
    EXPECT_EQ(canvas.ClipRect(), (Rect{10, 10, 18, 18}));

    canvas.SetWindowOrg(0, -2);
    canvas.SetMapping({1, 1}, {2, 2});  // one logical unit is two pixels
    canvas.FillRect({1, 0, 2, 1});
    EXPECT_EQ(Row(target, 4), "00110000");
    EXPECT_EQ(Row(target, 5), "00110000");
    EXPECT_EQ(Row(target, 6), "00000000");
    EXPECT_EQ(canvas.ClipRect(), (Rect{0, -2, 4, 2}));
}

TEST(QtCanvas, TheClipRegionIsInDevicePixelsAndLimitsEveryDrawing) {
    Bitmap target = Filled(6, 4, clWhite);
    QtCanvas canvas(target);
    canvas.SetWindowOrg(5, 5);
    canvas.SelectClipRegion(Region::Rectangle(1, 0, 3, 4));
    EXPECT_EQ(canvas.ClipRect(), (Rect{6, 5, 8, 9}));
    canvas.brush.Color = clBlack;
    canvas.FillRect({5, 5, 11, 6});
    EXPECT_EQ(Row(target, 0), "011000");
    canvas.RemoveClipRegion();
    canvas.FillRegion(Region::Rectangle(5, 7, 6, 8).United(Region::Rectangle(9, 7, 11, 8)));
    EXPECT_EQ(Row(target, 2), "100011");
    EXPECT_EQ(canvas.ClipRect(), (Rect{5, 5, 11, 9}));
}

TEST(QtCanvas, TextStandsBelowItsTopOrOnItsBaseline) {
    Bitmap target = Filled(120, 80, clWhite);
    QtCanvas canvas(target);
    canvas.SetFont(Arial(12));
    const TextMetric metric = canvas.GetTextMetrics();
    EXPECT_EQ(metric.tmHeight, metric.tmAscent + metric.tmDescent);
    EXPECT_EQ(metric.tmOverhang, 0);
    EXPECT_GE(metric.tmExternalLeading, 0);
    EXPECT_GT(metric.tmDescent, 0);
    canvas.SetBkMode(BkMode::Transparent);

    canvas.TextOut(2, 10, "Hg");  // top alignment is the default
    auto [first, last] = InkRows(target);
    EXPECT_GE(first, 10);
    EXPECT_GT(last, 10 + metric.tmAscent - 1);  // the descender of g
    EXPECT_LT(last, 10 + metric.tmHeight);

    Bitmap second = Filled(120, 80, clWhite);
    QtCanvas baseline(second);
    baseline.SetFont(Arial(12));
    baseline.SetBkMode(BkMode::Transparent);
    baseline.SetTextAlign(TextAlign::Baseline);
    baseline.TextOut(2, 40, "Hx");
    std::tie(first, last) = InkRows(second);
    EXPECT_EQ(last, 39);  // letters without descenders end on the row above the baseline
    EXPECT_GE(first, 40 - metric.tmAscent);
}

TEST(QtCanvas, OpaqueTextFillsItsCellWithTheBrushAndMeasuresItsExtent) {
    Bitmap target = Filled(200, 40, clWhite);
    QtCanvas canvas(target);
    canvas.SetFont(Arial(36, clRed));
    canvas.brush.Color = clBlue;
    canvas.SetBkMode(BkMode::Opaque);
    const Size extent = canvas.TextExtent("Il");
    EXPECT_EQ(extent.cy, canvas.GetTextMetrics().tmHeight);
    EXPECT_EQ(canvas.TextExtent("").cx, 0);
    EXPECT_LT(canvas.TextWidth("iiii"), canvas.TextWidth("WWWW"));
    canvas.TextOut(10, -5, "Il");
    EXPECT_EQ(target.Pixel(10, 0), clBlue);  // the cell above the letters
    EXPECT_EQ(target.Pixel(10 + extent.cx - 1, 0), clBlue);
    EXPECT_EQ(target.Pixel(10 + extent.cx, 0), clWhite);
    EXPECT_EQ(target.Pixel(9, 0), clWhite);
    bool red = false;  // the stems of I and l are wide enough for whole pixels of the font colour
    for (int x = 10; x < 10 + extent.cx; ++x) red = red || target.Pixel(x, 20) == clRed;
    EXPECT_TRUE(red);
}

TEST(QtCanvas, TextRectDrawsNothingOutsideItsRectangle) {
    Bitmap target = Filled(100, 30, clWhite);
    QtCanvas canvas(target);
    canvas.SetFont(Arial(12));
    canvas.SetBkMode(BkMode::Transparent);
    canvas.TextRect({0, 0, 12, 30}, 2, 2, "WWWWWW");
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(Row(target, y).substr(12).find('1'), std::string::npos) << y;
    EXPECT_NE(InkRows(target).first, -1);
}

TEST(QtCanvas, ComposesMaskedPicturesOffScreenOnDevicesWithoutRasterOperations) {
    // A QPicture records for another device, as a printer or a PDF does.
    Bitmap picture = Filled(2, 1, clRed);
    Bitmap mask = Bitmap::Monochrome(2, 1);
    mask.SetPixel(1, 0, clWhite);
    QPicture recording;
    {
        QtCanvas canvas(recording);
        canvas.StretchDraw({0, 0, 2, 1}, picture, RasterOp::Copy);
        canvas.StretchDraw({0, 0, 2, 1}, mask, RasterOp::Or);      // transparent parts print white
        canvas.StretchDraw({0, 1, 2, 2}, picture, RasterOp::And);  // AND onto white paper
        canvas.brush.Color = clBlue;
        canvas.FillRect({0, 2, 2, 3});
        canvas.StretchDraw({0, 3, 2, 4}, picture, RasterOp::Copy);  // drawn when the canvas goes
    }
    QImage replay(2, 4, QImage::Format_RGB32);
    replay.fill(Qt::green);
    {
        QPainter painter(&replay);
        painter.drawPicture(0, 0, recording);
    }
    const Bitmap result = Bitmap::FromQImage(replay);
    EXPECT_EQ(result.Pixel(0, 0), clRed);
    EXPECT_EQ(result.Pixel(1, 0), clWhite);
    EXPECT_EQ(result.Pixel(0, 1), clRed);
    EXPECT_EQ(result.Pixel(1, 2), clBlue);
    EXPECT_EQ(result.Pixel(1, 3), clRed);
}

TEST(QtCanvas, IsMonochromeOnOneBitDevicesAndWhereItsOwnerSaysSo) {
    Bitmap mask = Bitmap::Monochrome(4, 4);
    Bitmap colour(4, 4);
    EXPECT_TRUE(QtCanvas(mask).IsMonochrome());
    EXPECT_FALSE(QtCanvas(colour).IsMonochrome());
    QPainter painter(&colour.ToQImage());
    EXPECT_TRUE(QtCanvas(painter, true).IsMonochrome());
}
