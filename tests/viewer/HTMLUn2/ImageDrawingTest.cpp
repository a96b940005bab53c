#include <gtest/gtest.h>

#include <cstring>

#include "HTMLUn2/ImageDrawing.h"
#include "platform/Errors.h"
#include "platform/QtCanvas.h"
#include "platform/RecordingCanvas.h"

using namespace platform;

namespace {

Bitmap Filled(int width, int height, TColor color) {
    Bitmap bitmap(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, color);
    return bitmap;
}

// Red, blue / yellow, white; the mask makes the right column transparent.
Bitmap Picture() {
    Bitmap picture(2, 2);
    picture.SetPixel(0, 0, clRed);
    picture.SetPixel(1, 0, clBlue);
    picture.SetPixel(0, 1, clYellow);
    picture.SetPixel(1, 1, clWhite);
    return picture;
}

Bitmap RightColumnMask() {
    Bitmap mask = Bitmap::Monochrome(2, 2);
    mask.SetPixel(1, 0, clWhite);
    mask.SetPixel(1, 1, clWhite);
    return mask;
}

const std::uint8_t* Bytes(const AllocRec& block) {
    return static_cast<const std::uint8_t*>(block.Memory);
}

}  // namespace

TEST(DrawTransparent, KeepsTheBackgroundWhereTheMaskIsOneAndDrawsThePictureElsewhere) {
    const Bitmap picture = Picture();
    Bitmap target = Filled(7, 6, clGreen);
    {
        QtCanvas canvas(target);
        DrawTransparent(canvas, picture, RightColumnMask(), 2, 1, 4, 4);  // each pixel 2 x 2
    }
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 7; ++x) {
            TColor expected = clGreen;
            if (x >= 2 && x < 4 && y >= 1 && y < 3) expected = clRed;
            if (x >= 2 && x < 4 && y >= 3 && y < 5) expected = clYellow;
            EXPECT_EQ(target.Pixel(x, y), expected) << x << "," << y;
        }
    const Bitmap untouched = Picture();
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x) EXPECT_EQ(picture.Pixel(x, y), untouched.Pixel(x, y));
}

TEST(DrawTransparent, ClearsWithTheMaskThenOrsInThePicture) {
    RecordingCanvas canvas;
    DrawTransparent(canvas, Picture(), RightColumnMask(), 2, 1, 4, 4);
    EXPECT_EQ(canvas.Drawing(), (std::vector<std::string>{"StretchDraw 2,1-6,5 2x2 And",
                                                          "StretchDraw 2,1-6,5 2x2 Or"}));
    EXPECT_TRUE(canvas.calls[0].pictureMonochrome);
    EXPECT_FALSE(canvas.calls[1].pictureMonochrome);
}

TEST(DrawTransparent, DrawsNothingOnAMonochromeDevice) {
    RecordingCanvas printer;
    printer.monochrome = true;
    DrawTransparent(printer, Picture(), RightColumnMask(), 0, 0, 2, 2);
    EXPECT_TRUE(printer.calls.empty());

    Bitmap target = Bitmap::Monochrome(4, 4);
    {
        QtCanvas canvas(target);
        DrawTransparent(canvas, Picture(), RightColumnMask(), 0, 0, 4, 4);
    }
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_FALSE(target.Bit(x, y));
}

TEST(FillDibHeader, CountsTheBitsAndRoundsEveryRowToFourBytes) {
    const struct {
        Bitmap bitmap;
        int bitCount, sizeImage;
    } cases[] = {
        {Bitmap(1, 2), 24, 8},
        {Bitmap(3, 2), 24, 24},
        {Bitmap(4, 2), 24, 24},
        {Bitmap(5, 2), 24, 32},
        {Bitmap::Monochrome(1, 3), 1, 12},
        {Bitmap::Monochrome(32, 3), 1, 12},
        {Bitmap::Monochrome(33, 3), 1, 24},
    };
    for (const auto& c : cases) {
        BitmapInfoHeader header;
        FillDibHeader(c.bitmap, header);
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ(header.biWidth, c.bitmap.Width());
        EXPECT_EQ(header.biHeight, c.bitmap.Height());
        EXPECT_EQ(header.biPlanes, 1);
        EXPECT_EQ(header.biBitCount, c.bitCount) << c.bitmap.Width();
        EXPECT_EQ(header.biCompression, 0u);
        EXPECT_EQ(header.biSizeImage, static_cast<std::uint32_t>(c.sizeImage)) << c.bitmap.Width();
        EXPECT_EQ(header.biClrUsed, 0u);
    }
}

TEST(GetDibBits, WritesTheRowsBottomFirstInBlueGreenRedOrder) {
    DibHeader header;
    std::unique_ptr<AllocRec> block;
    GetDibBits(Picture(), header, block);
    ASSERT_TRUE(block);
    EXPECT_EQ(block->Size, 16);
    EXPECT_TRUE(header.bmiColors.empty());
    const std::uint8_t expected[16] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0,   // yellow, white
                                       0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0, 0};  // red, blue
    EXPECT_EQ(std::memcmp(Bytes(*block), expected, 16), 0);

    GetDibBits(RightColumnMask(), header, block);
    ASSERT_EQ(header.bmiColors.size(), 2u);
    EXPECT_EQ(header.bmiColors[0].rgbRed, 0);
    EXPECT_EQ(header.bmiColors[1].rgbRed, 255);
    EXPECT_EQ(Bytes(*block)[0], 0x40);  // the second pixel of the row, most significant bit first
    EXPECT_EQ(Bytes(*block)[4], 0x40);
}

TEST(GetDibBits, ABitmapWithoutRowsLeavesNoBlockAndRaisesOutOfMemory) {
    DibHeader header;
    std::unique_ptr<AllocRec> block;
    EXPECT_THROW(GetDibBits(Bitmap(), header, block), EOutOfResources);
    EXPECT_FALSE(block);
    std::unique_ptr<DibHeader> owned;
    int headerSize = 0;
    EXPECT_THROW(GetDib(Bitmap(), owned, block, headerSize), EOutOfResources);
    EXPECT_FALSE(owned);
}

TEST(StretchDib, DrawsTheWholeDibStretchedAndRefusesOneThatDoesNotFit) {
    std::unique_ptr<DibHeader> header;
    std::unique_ptr<AllocRec> bits;
    int headerSize = 0, imageSize = 0;
    ASSERT_TRUE(GetDib(Picture(), header, bits, headerSize));
    EXPECT_EQ(headerSize, 40);
    Bitmap target = Filled(4, 4, clGreen);
    {
        QtCanvas canvas(target);
        EXPECT_TRUE(StretchDib(canvas, 0, 0, 4, 4, *header, *bits, RasterOp::Copy));
    }
    EXPECT_EQ(target.Pixel(1, 1), clRed);
    EXPECT_EQ(target.Pixel(2, 0), clBlue);
    EXPECT_EQ(target.Pixel(0, 3), clYellow);
    EXPECT_EQ(target.Pixel(3, 3), clWhite);

    GetDibOfHandle(RightColumnMask(), header, bits, headerSize, imageSize);
    EXPECT_EQ(headerSize, 48);  // with its two colour entries
    EXPECT_EQ(imageSize, 8);
    RecordingCanvas canvas;
    EXPECT_TRUE(StretchDib(canvas, 0, 0, 2, 2, *header, *bits, RasterOp::Or));
    DibHeader wrong = *header;
    wrong.bmiHeader.biBitCount = 8;
    EXPECT_FALSE(StretchDib(canvas, 0, 0, 2, 2, wrong, *bits, RasterOp::Copy));
    wrong = *header;
    wrong.bmiHeader.biHeight = 3;  // more rows than the block holds
    EXPECT_FALSE(StretchDib(canvas, 0, 0, 2, 2, wrong, *bits, RasterOp::Copy));
    EXPECT_EQ(canvas.Drawing(), (std::vector<std::string>{"StretchDraw 0,0-2,2 2x2 Or"}));
}
