#include <gtest/gtest.h>

#include "../TestPictures.h"
#include "HTMLUn2/ImageLoading.h"
#include "HTMLUn2/Palette.h"

using namespace pictures;
using platform::Bitmap;
using platform::clBlue;
using platform::clRed;
using platform::clWhite;
using platform::MemoryStream;
using platform::TColor;

namespace {

constexpr QRgb kGreen = qRgb(0, 255, 0);

// 4 x 3, white, red at (0, 0), blue at (2, 1), green (index 3) down the last column.
Gif TransparentGif(GifLead lead = GifLead::Transparency, bool gif89 = true) {
    Gif gif;
    gif.width = 4;
    gif.height = 3;
    gif.palette = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), kGreen};
    gif.indexes = {1, 0, 0, 3, 0, 0, 2, 3, 0, 0, 0, 3};
    gif.lead = lead;
    gif.transparentIndex = 3;
    gif.gif89 = gif89;
    return gif;
}

// The mask's bits row by row, as strings of 0 and 1.
std::vector<std::string> Bits(const Bitmap& mask) {
    std::vector<std::string> rows;
    for (int y = 0; y < mask.Height(); ++y) {
        std::string row;
        for (int x = 0; x < mask.Width(); ++x) row += mask.Bit(x, y) ? '1' : '0';
        rows.push_back(row);
    }
    return rows;
}

const std::vector<std::string> kGreenColumn = {"0001", "0001", "0001"};

}  // namespace

TEST(ImageKind, TellsTheFormatFromTheFirstBytes) {
    const std::pair<std::string, int> cases[] = {
        {"GIF89a", 3},       {"GIF87a", 2}, {"GIF8", 2},    {"BMxx", 1}, {"\x89PNG\r\n", 4},
        {"\xFF\xD8\xFF", 5}, {"GIF7", 0},   {"\x89PNx", 0}, {"B", 0},    {"", 0},
    };
    for (const auto& [bytes, kind] : cases)
        EXPECT_EQ(ImageKind(Bytes(bytes.begin(), bytes.end())), kind) << bytes;
}

TEST(GifTransparentColor, TakesTheColourOfAControlExtensionRightAfterTheColourTable) {
    for (int entries : {2, 16, 256}) {  // 256 entries: the control ends at byte 788
        Gif gif = TransparentGif();
        gif.palette.assign(static_cast<std::size_t>(entries), qRgb(9, 9, 9));
        gif.palette.back() = qRgb(10, 20, 30);
        gif.transparentIndex = entries - 1;
        gif.indexes.assign(12, 0);
        MemoryStream stream(Encode(gif));
        stream.Seek(5);
        TColor color = 0;
        EXPECT_TRUE(GifTransparentColor(stream, color)) << entries;
        EXPECT_EQ(color, platform::RGB(10, 20, 30)) << entries;
        EXPECT_EQ(stream.Position(), 5);
    }
}

TEST(GifTransparentColor, LooksNowhereElse) {
    const Bytes png = Encode(Sample(), "PNG");
    const Bytes cases[] = {
        Encode(TransparentGif(GifLead::ControlWithoutTransparency)),
        Encode(TransparentGif(GifLead::ApplicationThenTransparency)),
        Encode(TransparentGif(GifLead::Transparency, false)),  // GIF87a
        Encode(TransparentGif(GifLead::None)),
        png,
        Bytes{'G', 'I', 'F', '8', '9', 'a'},  // the rest reads as zeros
        Bytes{},
    };
    for (const Bytes& bytes : cases) {
        MemoryStream stream(bytes);
        TColor color = 77;
        EXPECT_FALSE(GifTransparentColor(stream, color));
        EXPECT_EQ(color, 77u);
    }
}

TEST(GifTransparentColorOfFile, ReadsTheFileAndGivesFalseForAMissingOne) {
    QTemporaryDir dir;
    TColor color = 0;
    EXPECT_TRUE(GifTransparentColorOfFile(Write(dir, "t.gif", Encode(TransparentGif())), color));
    EXPECT_EQ(color, platform::clLime);
    EXPECT_FALSE(GifTransparentColorOfFile(dir.filePath("none.gif").toStdString(), color));
}

TEST(DecodeImageFile, ChoosesTheDecoderByTheExtensionCutToFiveCharacters) {
    QTemporaryDir dir;
    const Bytes jpeg = Encode(Flat(4, 3, qRgb(0, 0, 0)), "JPEG");
    const Bytes png = Encode(Sample(), "PNG");
    const struct {
        std::string name;
        const Bytes* bytes;
        bool decoded;
    } cases[] = {
        {"PIC.JPEG", &jpeg, true},  {"x.jpegx", &jpeg, true},     {"a.JpG", &jpeg, true},
        {"a.PNG", &png, true},      {"a.tif", &png, false},       {"png.gif", &png, false},
        {"jpeg.png", &jpeg, false}, {"noextension", &png, false}, {"a.png.tif", &png, false},
    };
    for (const auto& c : cases) {
        const auto image = DecodeImageFile(Write(dir, c.name, *c.bytes));
        EXPECT_EQ(image != nullptr, c.decoded) << c.name;
        if (image) {
            EXPECT_EQ(image->Width(), 4) << c.name;
        }
    }
    EXPECT_FALSE(DecodeImageFile(dir.filePath("missing.png").toStdString()));
    const auto gif = DecodeImageFile(Write(dir, "a.GIF", Encode(TransparentGif())));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->Pixel(3, 0), platform::clLime);  // a transparent pixel keeps its colour
    const auto bmp = DecodeImageFile(Write(dir, "a.Bmp", Encode(Sample(), "BMP")));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->Pixel(2, 1), clBlue);
}

TEST(DecodeImageStream, ChoosesTheDecoderByTheFirstBytes) {
    const Bytes cases[] = {Encode(Sample(), "BMP"), Encode(TransparentGif()),
                           Encode(TransparentGif(GifLead::None, false)), Encode(Sample(), "PNG"),
                           Encode(Sample(), "JPEG")};
    for (const Bytes& bytes : cases) {
        const auto image = DecodeImageStream(MemoryStream(bytes));
        ASSERT_TRUE(image) << ImageKind(bytes);
        EXPECT_EQ(image->Width(), 4);
        EXPECT_EQ(image->Height(), 3);
    }
    Bytes unknown = Encode(Sample(), "PNG");
    unknown[0] = 'X';
    EXPECT_FALSE(DecodeImageStream(MemoryStream(unknown)));
}

TEST(DecodeImage, DamagedPicturesGiveNoPictureOrAPlausibleOneAndNeverACrash) {
    QTemporaryDir dir;
    const struct {
        const char* name;
        Bytes bytes;
    } formats[] = {{"d.bmp", Encode(Sample(), "BMP")},
                   {"d.gif", Encode(TransparentGif())},
                   {"d.png", Encode(Sample(), "PNG")},
                   {"d.jpg", Encode(Sample(), "JPEG")}};
    for (const auto& format : formats) {
        SCOPED_TRACE(format.name);
        const Bytes& whole = format.bytes;
        const Bytes half(whole.begin(),
                         whole.begin() + static_cast<std::ptrdiff_t>(whole.size() / 2));
        EXPECT_FALSE(DecodeImageStream(MemoryStream(half)));
        EXPECT_FALSE(DecodeImageFile(Write(dir, format.name, half)));
        for (std::size_t length = 0; length < whole.size(); length += 7)
            DecodeImageStream(MemoryStream(
                Bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length))));
        for (std::size_t at = 0; at < std::min<std::size_t>(whole.size(), 80); ++at)
            for (int bit : {0, 3, 7}) {
                Bytes flipped = whole;
                flipped[at] ^= static_cast<std::uint8_t>(1 << bit);
                const auto image = DecodeImageStream(MemoryStream(flipped));
                if (image) {
                    EXPECT_TRUE(platform::AcceptablePictureSize(image->Width(), image->Height()));
                }
            }
    }
}

TEST(LoadImageFile, AGifThatDeclaresATransparentColourIsMaskedUnasked) {
    QTemporaryDir dir;
    std::uint8_t maskKind = 0;
    std::unique_ptr<Bitmap> mask;
    const auto image = LoadImageFile(Write(dir, "t.GIF", Encode(TransparentGif())), maskKind, mask);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Pixel(0, 0), clRed);
    EXPECT_EQ(maskKind, 2);
    ASSERT_TRUE(mask);
    EXPECT_TRUE(mask->IsMonochrome());
    EXPECT_EQ(Bits(*mask), kGreenColumn);
}

TEST(LoadImageFile, OtherGifsAreMaskedOnlyWhenAsked) {
    QTemporaryDir dir;
    for (const Gif& gif : {TransparentGif(GifLead::ApplicationThenTransparency),
                           TransparentGif(GifLead::Transparency, false)}) {
        const std::string file = Write(dir, "o.gif", Encode(gif));
        std::uint8_t maskKind = 0;
        auto mask = std::make_unique<Bitmap>(2, 2);
        EXPECT_TRUE(LoadImageFile(file, maskKind, mask));
        EXPECT_EQ(maskKind, 0);
        EXPECT_FALSE(mask);
        maskKind = 1;  // the bottom-left pixel is white
        EXPECT_TRUE(LoadImageFile(file, maskKind, mask));
        EXPECT_EQ(maskKind, 1);
        ASSERT_TRUE(mask);
        EXPECT_EQ(Bits(*mask), (std::vector<std::string>{"0110", "1100", "1110"}));
    }
}

TEST(LoadImageFile, TransparencyByTheBottomLeftPixelMasksEveryPixelOfItsColour) {
    QTemporaryDir dir;
    std::uint8_t maskKind = 1;
    std::unique_ptr<Bitmap> mask;
    const auto image = LoadImageFile(Write(dir, "s.png", Encode(Sample(), "PNG")), maskKind, mask);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->Pixel(2, 1), clBlue);
    EXPECT_EQ(maskKind, 1);
    ASSERT_TRUE(mask);
    EXPECT_EQ(Bits(*mask), (std::vector<std::string>{"0111", "1101", "1111"}));
    EXPECT_EQ(DllPalette(), SharedPalette());  // put back after the exact decode
}

TEST(LoadImageFile, AMissingFileLeavesKindAndMaskAloneAndABrokenOneGivesNeither) {
    QTemporaryDir dir;
    std::uint8_t maskKind = 1;
    auto mask = std::make_unique<Bitmap>(2, 2);
    EXPECT_FALSE(LoadImageFile(dir.filePath("none.png").toStdString(), maskKind, mask));
    EXPECT_EQ(maskKind, 1);
    EXPECT_TRUE(mask);
    EXPECT_FALSE(LoadImageFile(Write(dir, "broken.png", Bytes(40, 7)), maskKind, mask));
    EXPECT_FALSE(mask);
}

TEST(LoadImageStream, MasksLikeTheFileLoaderAndRefusesShortStreams) {
    std::uint8_t maskKind = 0;
    std::unique_ptr<Bitmap> mask;
    MemoryStream gif(Encode(TransparentGif()));
    gif.Seek(gif.Size());
    EXPECT_TRUE(LoadImageStream(&gif, maskKind, mask));
    EXPECT_EQ(maskKind, 2);
    ASSERT_TRUE(mask);
    EXPECT_EQ(Bits(*mask), kGreenColumn);

    maskKind = 1;
    MemoryStream png(Encode(Sample(), "PNG"));
    EXPECT_TRUE(LoadImageStream(&png, maskKind, mask));
    EXPECT_EQ(maskKind, 1);
    EXPECT_TRUE(mask->Bit(3, 2));

    const Bytes whole = Encode(Sample(), "PNG");
    MemoryStream shortStream(Bytes(whole.begin(), whole.begin() + 19));
    maskKind = 1;
    EXPECT_FALSE(LoadImageStream(&shortStream, maskKind, mask));
    EXPECT_FALSE(LoadImageStream(nullptr, maskKind, mask));
    EXPECT_EQ(maskKind, 1);
    EXPECT_TRUE(mask);  // untouched
}

TEST(MakeMask, MarksThePixelsOfTheGivenOrTheBottomLeftColour) {
    Bitmap image(3, 2);
    image.SetPixel(1, 0, clRed);
    image.SetPixel(0, 1, clWhite);
    auto corner = MakeMask(image, false, clRed);
    ASSERT_TRUE(corner);
    EXPECT_EQ(Bits(*corner), (std::vector<std::string>{"000", "100"}));
    auto given = MakeMask(image, true, platform::kPaletteRelative | clRed);
    ASSERT_TRUE(given);
    EXPECT_EQ(Bits(*given), (std::vector<std::string>{"010", "000"}));
    EXPECT_FALSE(MakeMask(Bitmap(), false, 0));
}
