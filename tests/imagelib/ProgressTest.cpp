// The progress callback is asked during long decodes; answering 0 stops the decode, which then
// fails and frees what it had (the leak checker runs at exit).
#include <gtest/gtest.h>

#include "Decode.h"

namespace imagelib_test {
namespace {

int calls = 0;
std::int32_t goOn() {
    ++calls;
    return 1;
}
std::int32_t stop() {
    ++calls;
    return 0;
}

struct Sample {
    const char* name;
    Format format;
    Bytes data;
};

std::vector<Sample> makeLargeSamples() {
    const Image picture = photo(700, 600, 3);
    const Image few = speckles(700, 600, 200, 3);
    const Image stripes = quadrants(700, 600, {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF});
    return {
        {"png", Format::Png, encodePng(picture, PngKind::Rgb8)},
        {"png interlaced", Format::Png, encodePng(few, PngKind::Palette8, true)},
        {"jpeg", Format::Jpeg, encodeJpeg(picture, JpegKind::Colour)},
        {"jpeg progressive", Format::Jpeg, encodeJpeg(picture, JpegKind::Progressive)},
        {"jpeg cmyk", Format::Jpeg, encodeJpeg(picture, JpegKind::Cmyk)},
        {"gif", Format::Gif, encodeGif(few)},
        {"bmp", Format::Bmp, encodeBmp(picture, BmpKind::Bits24)},
        {"bmp rle8", Format::Bmp, encodeBmp(stripes, BmpKind::Rle8)},
    };
}

// Made once: encoding them costs more than decoding them.
const std::vector<Sample>& largeSamples() {
    static const std::vector<Sample> samples = makeLargeSamples();
    return samples;
}

TEST(DecodeProgress, GoingOnIsAskedAndTheDecodeSucceeds) {
    for (const Sample& sample : largeSamples()) {
        SCOPED_TRACE(sample.name);
        calls = 0;
        const Decoded picture = decodeBytes(sample.format, sample.data, goOn);
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->height, 600);
        EXPECT_GE(calls, 2);
    }
}

TEST(DecodeProgress, StoppingEndsTheDecodeWithFailureAtOnce) {
    for (const Sample& sample : largeSamples()) {
        SCOPED_TRACE(sample.name);
        calls = 0;
        EXPECT_FALSE(decodeBytes(sample.format, sample.data, stop));
        EXPECT_EQ(calls, 1);
    }
}

TEST(DecodeProgress, TallNarrowPicturesAreAskedToo) {
    calls = 0;
    const Image tall = quadrants(1, 600, {0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF});
    EXPECT_TRUE(decodeBytes(Format::Png, encodePng(tall, PngKind::Rgb8), goOn));
    EXPECT_GE(calls, 2);
}

}  // namespace
}  // namespace imagelib_test
