// Pictures made here with the field's libraries decode, from memory and from a file, to their
// size and colours in every variant of each format.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "Decode.h"

namespace imagelib_test {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000;

const Image kColours = quadrants(20, 14, {kRed, kGreen, kBlue, kWhite});
const Image kGreys = quadrants(20, 14, {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF});
const Image kTwoColours = quadrants(21, 13, {kBlack, kWhite, kWhite, kBlack});
const Image kTranslucent = quadrants(20, 14, {kRed, 0x8000FF00, 0x000000FF, kWhite});
const Image kTranslucentGreys = quadrants(20, 14, {0xFF000000, 0x80555555, 0x00AAAAAA, 0xFFFFFFFF});
// Blocks of 16 x 16, so that JPEG's blocks and colour subsampling never straddle two colours.
const Image kBlocks = quadrants(64, 48, {kRed, kGreen, kBlue, kWhite});
const Image kGreyBlocks = quadrants(64, 48, {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF});

struct Case {
    const char* name;
    Format format;
    std::function<Bytes()> encode;
    const Image& expected;
    int tolerance;  // per channel; 0 for lossless formats
};

// JPEG blends colours across the quadrants' borders; its pictures are compared inside them.
constexpr int kBorder = 4;

bool nearBorder(const Image& image, int x, int y, int tolerance) {
    const auto close = [](int at, int middle) {
        return at >= middle - kBorder && at < middle + kBorder;
    };
    return tolerance > 0 && (close(x, image.width / 2) || close(y, image.height / 2));
}

bool near(std::uint32_t got, std::uint32_t want, int tolerance) {
    for (int shift = 0; shift < 32; shift += 8) {
        const int a = static_cast<int>(got >> shift & 0xFF),
                  b = static_cast<int>(want >> shift & 0xFF);
        if (std::abs(a - b) > tolerance) return false;
    }
    return true;
}

void expectPicture(const IldaBitmap& picture, const Image& expected, int tolerance) {
    ASSERT_EQ(picture.width, expected.width);
    ASSERT_EQ(picture.height, expected.height);
    int wrong = 0;
    for (int y = 0; y < expected.height; ++y) {
        for (int x = 0; x < expected.width; ++x) {
            if (nearBorder(expected, x, y, tolerance)) continue;
            if (!near(pixelAt(picture, x, y), expected.at(x, y), tolerance) && ++wrong <= 3) {
                ADD_FAILURE() << "pixel " << x << "," << y << ": " << std::hex
                              << pixelAt(picture, x, y) << " instead of " << expected.at(x, y);
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

const Case kCases[] = {
    {"png rgba", Format::Png, [] { return encodePng(kTranslucent, PngKind::Rgba8); }, kTranslucent,
     0},
    {"png rgb", Format::Png, [] { return encodePng(kColours, PngKind::Rgb8); }, kColours, 0},
    {"png rgb interlaced", Format::Png, [] { return encodePng(kColours, PngKind::Rgb8, true); },
     kColours, 0},
    {"png grey", Format::Png, [] { return encodePng(kGreys, PngKind::Grey8); }, kGreys, 0},
    {"png grey with alpha", Format::Png,
     [] { return encodePng(kTranslucentGreys, PngKind::GreyAlpha8); }, kTranslucentGreys, 0},
    {"png palette with tRNS", Format::Png,
     [] { return encodePng(kTranslucent, PngKind::Palette8); }, kTranslucent, 0},
    {"png 16-bit rgba", Format::Png, [] { return encodePng(kTranslucent, PngKind::Rgba16); },
     kTranslucent, 0},
    {"jpeg colour", Format::Jpeg, [] { return encodeJpeg(kBlocks, JpegKind::Colour); }, kBlocks, 8},
    {"jpeg grey", Format::Jpeg, [] { return encodeJpeg(kGreyBlocks, JpegKind::Grey); }, kGreyBlocks,
     8},
    {"jpeg progressive", Format::Jpeg, [] { return encodeJpeg(kBlocks, JpegKind::Progressive); },
     kBlocks, 8},
    {"jpeg cmyk", Format::Jpeg, [] { return encodeJpeg(kBlocks, JpegKind::Cmyk); }, kBlocks, 8},
    {"gif", Format::Gif, [] { return encodeGif(kColours); }, kColours, 0},
    {"gif interlaced", Format::Gif, [] { return encodeGif(kColours, {.interlaced = true}); },
     kColours, 0},
    {"bmp 1-bit", Format::Bmp, [] { return encodeBmp(kTwoColours, BmpKind::Bits1); }, kTwoColours,
     0},
    {"bmp 4-bit", Format::Bmp, [] { return encodeBmp(kTwoColours, BmpKind::Bits4); }, kTwoColours,
     0},
    {"bmp 8-bit", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Bits8); }, kColours, 0},
    {"bmp 8-bit top-down", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Bits8, true); },
     kColours, 0},
    {"bmp 8-bit os/2 header", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Core8); },
     kColours, 0},
    {"bmp 16-bit 5-5-5", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Bits16); }, kColours,
     0},
    {"bmp 16-bit 5-6-5 fields", Format::Bmp,
     [] { return encodeBmp(kColours, BmpKind::Bits16Fields565); }, kColours, 0},
    {"bmp 24-bit", Format::Bmp, [] { return encodeBmp(kTwoColours, BmpKind::Bits24); }, kTwoColours,
     0},
    {"bmp 24-bit top-down", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Bits24, true); },
     kColours, 0},
    {"bmp 32-bit", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Bits32); }, kColours, 0},
    {"bmp rle8", Format::Bmp, [] { return encodeBmp(kColours, BmpKind::Rle8); }, kColours, 0},
    {"bmp rle4", Format::Bmp, [] { return encodeBmp(kTwoColours, BmpKind::Rle4); }, kTwoColours, 0},
};

TEST(PictureFormats, EachVariantDecodesFromMemoryAndFromFile) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        const Bytes data = c.encode();
        const Decoded fromMemory = decodeBytes(c.format, data);
        ASSERT_TRUE(fromMemory);
        expectPicture(*fromMemory, c.expected, c.tolerance);
        const TempFile file(data);
        const Decoded fromFile = decodeFile(c.format, file.path());
        ASSERT_TRUE(fromFile);
        expectPicture(*fromFile, c.expected, c.tolerance);
    }
}

TEST(PictureFormats, GifTransparentIndexGetsAlphaZeroAndKeepsItsColour) {
    // kColours' palette in order of appearance: red 0, green 1, blue 2, white 3.
    const Decoded picture = decodeBytes(Format::Gif, encodeGif(kColours, {.transparentIndex = 1}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), kRed);
    EXPECT_EQ(pixelAt(*picture, 19, 0), 0x0000FF00u);
    EXPECT_EQ(pixelAt(*picture, 0, 13), kBlue);
    EXPECT_EQ(pixelAt(*picture, 19, 13), kWhite);
}

TEST(PictureFormats, GifFrameSitsAtItsPlaceOnTheScreen) {
    const Image frame = quadrants(4, 3, {kRed, kGreen, kBlue, kWhite});
    const Decoded picture = decodeBytes(
        Format::Gif,
        encodeGif(frame,
                  {.interlaced = true, .screenWidth = 10, .screenHeight = 8, .left = 5, .top = 4}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 10);
    EXPECT_EQ(picture->height, 8);
    EXPECT_EQ(pixelAt(*picture, 4, 4), 0u) << "outside the frame: transparent";
    EXPECT_EQ(pixelAt(*picture, 5, 4), kRed);
    EXPECT_EQ(pixelAt(*picture, 8, 6), kWhite);
    EXPECT_EQ(pixelAt(*picture, 9, 7), 0u);
}

TEST(PictureFormats, GifFrameBeyondTheScreenWidensThePicture) {
    const Image frame = quadrants(4, 4, {kRed, kGreen, kBlue, kWhite});
    const Decoded picture = decodeBytes(
        Format::Gif, encodeGif(frame, {.screenWidth = 3, .screenHeight = 3, .left = 2, .top = 1}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 6);
    EXPECT_EQ(picture->height, 5);
    EXPECT_EQ(pixelAt(*picture, 5, 4), kWhite);
}

// Run-length data written by hand: runs, an absolute group with its padding, a delta, an early
// end of line and an early end of bitmap; what the data skips stays transparent.
TEST(PictureFormats, BmpRunLengthEscapes) {
    const std::vector<std::uint32_t> palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    const struct {
        const char* name;
        int bits;
        std::uint32_t compression;
        Bytes data;
    } cases[] = {
        {"rle8",
         8,
         1,
         {3, 1, 0, 3, 2, 3, 1, 0, 0, 0,  // bottom row: 1 1 1 2 3 1
          0, 2, 1, 0, 2, 3,              // delta right 1: row 1 = _ 3 3
          0, 1}},
        {"rle4",
         4,
         2,
         {3, 0x11, 0, 3, 0x23, 0x10, 0, 0,  // bottom row: 1 1 1 2 3 1
          0, 2, 1, 0, 2, 0x33,              // delta right 1: row 1 = _ 3 3
          0, 1}},
    };
    constexpr std::uint32_t R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, _ = 0;
    const std::uint32_t expected[3][6] = {
        {_, _, _, _, _, _}, {_, B, B, _, _, _}, {R, R, R, G, B, R}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded picture =
            decodeBytes(Format::Bmp, bmpFile(6, 3, c.bits, c.compression, palette, c.data));
        ASSERT_TRUE(picture);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 6; ++x)
                EXPECT_EQ(pixelAt(*picture, x, y), expected[y][x]) << x << "," << y;
        }
    }
}

TEST(PictureFormats, BmpIndexBeyondThePaletteShowsBlack) {
    const Decoded picture = decodeBytes(Format::Bmp, bmpFile(2, 1, 8, 0, {0xFF0000}, {0, 7, 0, 0}));
    ASSERT_TRUE(picture);
    EXPECT_EQ(pixelAt(*picture, 0, 0), kRed);
    EXPECT_EQ(pixelAt(*picture, 1, 0), kBlack);
}

}  // namespace
}  // namespace imagelib_test
