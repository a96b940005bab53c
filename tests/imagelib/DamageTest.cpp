// Damaged, cut and oversized pictures give no picture: no crash, no hang, no huge allocation.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <random>

#include "Decode.h"

// ASan's allocation hooks, present only in sanitizer builds (which is how the tests run).
extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*malloc_hook)(const volatile void*,
                                                                             std::size_t),
                                                         void (*free_hook)(const volatile void*))
    __attribute__((weak));

namespace imagelib_test {
namespace {

struct Sample {
    const char* name;
    Format format;
    Bytes data;
};

std::vector<Sample> samples() {
    const Image picture = photo(24, 18, 7);
    const Image few = speckles(24, 18, 5, 7);
    return {
        {"png", Format::Png, encodePng(picture, PngKind::Rgb8)},
        {"png interlaced palette", Format::Png, encodePng(few, PngKind::Palette8, true)},
        {"jpeg", Format::Jpeg, encodeJpeg(picture, JpegKind::Colour)},
        {"jpeg progressive", Format::Jpeg, encodeJpeg(picture, JpegKind::Progressive)},
        {"gif", Format::Gif, encodeGif(few, {.transparentIndex = 2})},
        {"bmp 24-bit", Format::Bmp, encodeBmp(picture, BmpKind::Bits24)},
        {"bmp 4-bit", Format::Bmp, encodeBmp(few, BmpKind::Bits4)},
        {"bmp rle8", Format::Bmp, encodeBmp(few, BmpKind::Rle8)},
    };
}

bool sane(const Decoded& picture) {
    return !picture || (picture->width > 0 && picture->height > 0 && picture->width <= 16384 &&
                        picture->height <= 16384);
}

TEST(DamagedPictures, EveryCutGivesNoPicture) {
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        ASSERT_TRUE(decodeBytes(sample.format, sample.data)) << "the whole file decodes";
        for (std::size_t cut = 0; cut < sample.data.size(); ++cut) {
            const Bytes head(sample.data.begin(),
                             sample.data.begin() + static_cast<std::ptrdiff_t>(cut));
            EXPECT_FALSE(decodeBytes(sample.format, head)) << "cut at " << cut;
        }
    }
}

// A download cut short and closed with an end marker: libjpeg alone would fill the rest grey.
TEST(DamagedPictures, JpegCutInItsDataAndClosedIsRefused) {
    const Bytes whole = encodeJpeg(photo(64, 48, 2), JpegKind::Colour);
    for (std::size_t keep = whole.size() / 2; keep < whole.size() - 2; keep += 7) {
        Bytes closed(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(keep));
        closed.insert(closed.end(), {0xFF, 0xD9});
        EXPECT_FALSE(decodeBytes(Format::Jpeg, closed)) << "cut at " << keep;
    }
}

// PNG checks every chunk, so every flipped bit is refused; the other formats have no checksum
// and may give a different picture, but never a crash or a wild size.
TEST(DamagedPictures, FlippedBitsNeverCrashAndPngRefusesThem) {
    ::testing::internal::CaptureStderr();
    ::testing::internal::CaptureStdout();
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        for (std::size_t at = 0; at < sample.data.size(); ++at) {
            Bytes damaged = sample.data;
            damaged[at] ^= static_cast<std::uint8_t>(1u << (at * 3 % 8));
            const Decoded picture = decodeBytes(sample.format, damaged);
            EXPECT_TRUE(sane(picture)) << "flip at " << at;
            if (sample.format == Format::Png) {
                EXPECT_FALSE(picture) << "flip at " << at;
            }
        }
    }
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "")
        << "the libraries' warnings are silenced";
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "")
        << "the libraries' warnings are silenced";
}

TEST(DamagedPictures, RandomOverwritesNeverCrash) {
    std::mt19937 random(2024);
    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        std::uniform_int_distribution<std::size_t> place(0, sample.data.size() - 1);
        for (int round = 0; round < 300; ++round) {
            Bytes damaged = sample.data;
            for (int i = 0; i < 1 + round % 8; ++i)
                damaged[place(random)] = static_cast<std::uint8_t>(random());
            EXPECT_TRUE(sane(decodeBytes(sample.format, damaged)));
        }
    }
}

// Records the largest single allocation while armed.
std::atomic<bool> armed{false};
std::atomic<std::size_t> largest{0};
void noteAllocation(const volatile void*, std::size_t size) {
    if (armed && size > largest) largest = size;
}
void noteFree(const volatile void*) {}

void putBigEndian(Bytes& out, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}
void putLittle16(Bytes& out, std::size_t at, unsigned value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

Bytes pngClaiming(std::uint32_t width, std::uint32_t height) {
    Bytes data =
        encodePng(quadrants(2, 2, {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}), PngKind::Rgb8);
    putBigEndian(data, 16, width);
    putBigEndian(data, 20, height);
    putBigEndian(data, 29, static_cast<std::uint32_t>(crc32(0, data.data() + 12, 17)));
    return data;
}

Bytes jpegClaiming(unsigned width, unsigned height) {
    Bytes data = encodeJpeg(photo(8, 8, 1), JpegKind::Colour);
    const std::uint8_t startOfFrame[] = {0xFF, 0xC0};
    const auto sof =
        std::search(data.begin(), data.end(), std::begin(startOfFrame), std::end(startOfFrame));
    const std::size_t at = static_cast<std::size_t>(sof - data.begin());
    data[at + 5] = static_cast<std::uint8_t>(height >> 8);
    data[at + 6] = static_cast<std::uint8_t>(height);
    data[at + 7] = static_cast<std::uint8_t>(width >> 8);
    data[at + 8] = static_cast<std::uint8_t>(width);
    return data;
}

Bytes gifClaiming(unsigned width, unsigned height) {
    Bytes data = encodeGif(quadrants(2, 2, {0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000}));
    putLittle16(data, 6, width);
    putLittle16(data, 8, height);
    return data;
}

Bytes bmpClaiming(std::int32_t width, std::int32_t height) {
    return bmpFile(width, height, 24, 0, {}, Bytes(12, 0));
}

TEST(PictureBounds, PicturesOverTheBoundAreRefusedBeforeAllocating) {
    if (__sanitizer_install_malloc_and_free_hooks == nullptr) GTEST_SKIP() << "needs ASan";
    static const bool installed =
        __sanitizer_install_malloc_and_free_hooks(noteAllocation, noteFree) != 0;
    ASSERT_TRUE(installed);
    const Sample cases[] = {
        {"png 20000 x 20000", Format::Png, pngClaiming(20000, 20000)},
        {"png 16385 x 1", Format::Png, pngClaiming(16385, 1)},
        {"png 1 x 16385", Format::Png, pngClaiming(1, 16385)},
        {"png 8192 x 8192, too many pixels", Format::Png, pngClaiming(8192, 8192)},
        {"bmp 16384 x 4096, too many pixels", Format::Bmp, bmpClaiming(16384, 4096)},
        {"jpeg 20000 x 20000", Format::Jpeg, jpegClaiming(20000, 20000)},
        {"gif 20000 x 20000", Format::Gif, gifClaiming(20000, 20000)},
        {"bmp 20000 x 20000", Format::Bmp, bmpClaiming(20000, 20000)},
        {"bmp 20000 x -20000", Format::Bmp, bmpClaiming(20000, -20000)},
        {"bmp 16385 x 1", Format::Bmp, bmpClaiming(16385, 1)},
    };
    for (const Sample& c : cases) {
        SCOPED_TRACE(c.name);
        largest = 0;
        armed = true;
        const Decoded picture = decodeBytes(c.format, c.data);
        armed = false;
        EXPECT_FALSE(picture);
        EXPECT_LT(largest.load(), std::size_t{16} << 20);
    }
}

// A progressive file may repeat near-empty scans over a picture it claims to be huge; the scans
// are limited. Ordinary progressive files have about ten.
TEST(PictureBounds, JpegWithTooManyScansIsRefused) {
    const Image picture = photo(16, 16, 4);
    EXPECT_TRUE(decodeBytes(Format::Jpeg, encodeJpeg(picture, JpegKind::Progressive)));
    EXPECT_FALSE(decodeBytes(Format::Jpeg, encodeJpeg(picture, JpegKind::ManyScans)));
}

TEST(PictureBounds, SidesUpToTheBoundAreAccepted) {
    const Image wide = quadrants(16384, 1, {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF});
    const Decoded picture = decodeBytes(Format::Png, encodePng(wide, PngKind::Rgb8));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width, 16384);
    EXPECT_EQ(pixelAt(*picture, 16383, 0), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace imagelib_test
