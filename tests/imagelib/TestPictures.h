#pragma once
// Pictures the tests, the seed corpus and the benchmark make themselves, and encoders that turn
// them into PNG, JPEG, GIF and BMP bytes with the field's libraries (BMP by hand).
#include <array>
#include <cstdint>
#include <vector>

namespace imagelib_test {

using Bytes = std::vector<std::uint8_t>;

// Pixels 0xAARRGGBB, rows top to bottom.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Four rectangles: top left, top right, bottom left, bottom right.
Image quadrants(int width, int height, const std::array<std::uint32_t, 4>& colours);
// Smooth gradients with noise on top, like a photograph; every pixel opaque.
Image photo(int width, int height, unsigned seed);
// Each pixel one of `count` colours of a fixed palette, chosen at random.
Image speckles(int width, int height, int count, unsigned seed);
// The distinct colours of a picture (at most 256) in order of first appearance, and the index
// of every pixel among them.
struct Indexed {
    int width = 0;
    std::vector<std::uint32_t> palette;
    std::vector<std::uint8_t> indices;
    unsigned at(int x, int y) const { return indices[static_cast<std::size_t>(y) * width + x]; }
};
Indexed indexedOf(const Image& image);

enum class PngKind { Rgba8, Rgb8, Grey8, GreyAlpha8, Palette8, Rgba16 };
// Grey kinds take the red channel; Palette8 gives tRNS entries for colours that are not opaque.
Bytes encodePng(const Image& image, PngKind kind, bool interlaced = false);

// ManyScans: grey, progressive, every coefficient in its own scan and refined once (127 scans).
enum class JpegKind { Colour, Grey, Cmyk, Progressive, ManyScans };
Bytes encodeJpeg(const Image& image, JpegKind kind, int quality = 95);

struct GifLayout {
    int transparentIndex = -1;  // written in a graphic control extension before the frame
    bool interlaced = false;
    int screenWidth = 0;  // 0: the frame's size
    int screenHeight = 0;
    int left = 0;
    int top = 0;
};
// A one-frame GIF89a of the picture's colours (at most 256).
Bytes encodeGif(const Image& image, const GifLayout& layout = {});

enum class BmpKind {
    Bits1,
    Bits4,
    Bits8,
    Bits16,
    Bits16Fields565,
    Bits24,
    Bits32,
    Rle8,
    Rle4,
    Core8
};
Bytes encodeBmp(const Image& image, BmpKind kind, bool topDown = false);
// A BMP with a 40-byte header around the given palette and pixel data (masks for bit fields
// follow the header).
Bytes bmpFile(std::int32_t width, std::int32_t height, int bitsPerPixel, std::uint32_t compression,
              const std::vector<std::uint32_t>& palette, const Bytes& pixels,
              const std::vector<std::uint32_t>& masks = {});

}  // namespace imagelib_test
