#include <algorithm>
#include <cstdlib>

#include "TestPictures.h"

namespace imagelib_test {

namespace {

void put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}
void put32(Bytes& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putFileHeader(Bytes& out, std::size_t pixelOffset, std::size_t total) {
    out.push_back('B');
    out.push_back('M');
    put32(out, static_cast<std::uint32_t>(total));
    put32(out, 0);
    put32(out, static_cast<std::uint32_t>(pixelOffset));
}

void padRow(Bytes& out, std::size_t rowStart) {
    while ((out.size() - rowStart) % 4 != 0) out.push_back(0);
}

void putIndexedRow(Bytes& out, const Indexed& image, int y, int bits) {
    const std::size_t start = out.size();
    unsigned byte = 0, filled = 0;
    for (int x = 0; x < image.width; ++x) {
        byte = byte << bits | image.at(x, y);
        filled += bits;
        if (filled == 8) {
            out.push_back(static_cast<std::uint8_t>(byte));
            byte = filled = 0;
        }
    }
    if (filled > 0) out.push_back(static_cast<std::uint8_t>(byte << (8 - filled)));
    padRow(out, start);
}

void putDirectRow(Bytes& out, const Image& image, int y, BmpKind kind) {
    const std::size_t start = out.size();
    for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.at(x, y);
        const unsigned r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        if (kind == BmpKind::Bits16) put16(out, (r >> 3) << 10 | (g >> 3) << 5 | b >> 3);
        if (kind == BmpKind::Bits16Fields565) put16(out, (r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
        if (kind == BmpKind::Bits24 || kind == BmpKind::Bits32) {
            out.insert(out.end(), {static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(g),
                                   static_cast<std::uint8_t>(r)});
        }
        if (kind == BmpKind::Bits32) out.push_back(0);  // unused, as most writers leave it
    }
    padRow(out, start);
}

// Runs of equal indices; each row ends with an end-of-line escape, the data with end-of-bitmap.
void putRleRow(Bytes& out, const Indexed& image, int y, int bits) {
    for (int x = 0; x < image.width;) {
        const unsigned index = image.at(x, y);
        int run = 1;
        while (x + run < image.width && run < 255 && image.at(x + run, y) == index) {
            ++run;
        }
        out.push_back(static_cast<std::uint8_t>(run));
        out.push_back(static_cast<std::uint8_t>(bits == 8 ? index : index << 4 | index));
        x += run;
    }
    out.insert(out.end(), {0, 0});
}

int bitsOf(BmpKind kind) {
    switch (kind) {
        case BmpKind::Bits1:
            return 1;
        case BmpKind::Bits4:
        case BmpKind::Rle4:
            return 4;
        case BmpKind::Bits8:
        case BmpKind::Rle8:
        case BmpKind::Core8:
            return 8;
        case BmpKind::Bits16:
        case BmpKind::Bits16Fields565:
            return 16;
        case BmpKind::Bits24:
            return 24;
        default:
            return 32;
    }
}

Bytes coreFile(const Image& image, const std::vector<std::uint32_t>& palette, const Bytes& pixels) {
    Bytes out;
    const std::size_t offset = 14 + 12 + 3 * palette.size();
    putFileHeader(out, offset, offset + pixels.size());
    put32(out, 12);
    put16(out, static_cast<unsigned>(image.width));
    put16(out, static_cast<unsigned>(image.height));
    put16(out, 1);
    put16(out, 8);
    for (std::uint32_t c : palette) {
        out.insert(out.end(), {static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8),
                               static_cast<std::uint8_t>(c >> 16)});
    }
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

}  // namespace

Bytes bmpFile(std::int32_t width, std::int32_t height, int bitsPerPixel, std::uint32_t compression,
              const std::vector<std::uint32_t>& palette, const Bytes& pixels,
              const std::vector<std::uint32_t>& masks) {
    Bytes out;
    const std::size_t offset = 14 + 40 + 4 * masks.size() + 4 * palette.size();
    putFileHeader(out, offset, offset + pixels.size());
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(width));
    put32(out, static_cast<std::uint32_t>(height));
    put16(out, 1);
    put16(out, static_cast<unsigned>(bitsPerPixel));
    put32(out, compression);
    put32(out, static_cast<std::uint32_t>(pixels.size()));
    put32(out, 2835);  // 72 dots per inch
    put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(palette.size()));
    put32(out, 0);
    for (std::uint32_t mask : masks) put32(out, mask);
    for (std::uint32_t c : palette) put32(out, c & 0xFFFFFF);
    out.insert(out.end(), pixels.begin(), pixels.end());
    return out;
}

Bytes encodeBmp(const Image& image, BmpKind kind, bool topDown) {
    const int bits = bitsOf(kind);
    const Indexed indexed = bits <= 8 ? indexedOf(image) : Indexed{};
    const std::vector<std::uint32_t>& palette = indexed.palette;
    if (palette.size() > (1u << std::min(bits, 8))) std::abort();
    const bool rle = kind == BmpKind::Rle8 || kind == BmpKind::Rle4;
    Bytes pixels;
    for (int row = 0; row < image.height; ++row) {
        const int y = topDown ? row : image.height - 1 - row;
        if (rle) {
            putRleRow(pixels, indexed, y, bits);
        } else if (bits <= 8) {
            putIndexedRow(pixels, indexed, y, bits);
        } else {
            putDirectRow(pixels, image, y, kind);
        }
    }
    if (rle) pixels.insert(pixels.end(), {0, 1});
    if (kind == BmpKind::Core8) return coreFile(image, palette, pixels);
    const std::uint32_t compression = kind == BmpKind::Rle8              ? 1
                                      : kind == BmpKind::Rle4            ? 2
                                      : kind == BmpKind::Bits16Fields565 ? 3
                                                                         : 0;
    const std::vector<std::uint32_t> masks =
        kind == BmpKind::Bits16Fields565 ? std::vector<std::uint32_t>{0xF800, 0x07E0, 0x001F}
                                         : std::vector<std::uint32_t>{};
    return bmpFile(image.width, topDown ? -image.height : image.height, bits, compression, palette,
                   pixels, masks);
}

}  // namespace imagelib_test
