// BMP, decoded here: no library of the field reads it. Uncompressed 1, 4, 8, 16, 24 and 32 bits
// per pixel (16 and 32 also with bit-field masks), RLE8 and RLE4; bottom-up and top-down.
// Every offset and length from the file is checked against the data before it is used.
#include <algorithm>
#include <bit>
#include <optional>

#include "imagelib/Bmp.h"

namespace imagelib {

namespace {

using bmp::Palette;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;  // the OS/2 header with 16-bit sides
constexpr std::size_t kInfoHeaderSize = 40;
constexpr std::uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3;

std::uint32_t u16(Bytes data, std::size_t at) { return data[at] | data[at + 1] << 8; }
std::uint32_t u32(Bytes data, std::size_t at) { return u16(data, at) | u16(data, at + 2) << 16; }

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // of the picture; the file's sign says the row order
    bool topDown = false;
    unsigned bitsPerPixel = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t colourCount = 0;  // 0: as many as the depth allows
    std::size_t paletteOffset = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t masks[4] = {};  // red, green, blue, alpha
};

Header readCoreHeader(Bytes data) {
    Header header;
    header.width = u16(data, 18);
    header.height = u16(data, 20);
    header.bitsPerPixel = u16(data, 24);
    header.paletteOffset = kFileHeaderSize + kCoreHeaderSize;
    header.paletteEntrySize = 3;
    return header;
}

std::optional<Header> readInfoHeader(Bytes data, std::size_t size) {
    Header header;
    header.width = static_cast<std::int32_t>(u32(data, 18));
    const std::int64_t height = static_cast<std::int32_t>(u32(data, 22));
    header.topDown = height < 0;
    header.height = height < 0 ? -height : height;
    header.bitsPerPixel = u16(data, 28);
    header.compression = u32(data, 30);
    header.colourCount = u32(data, 46);
    header.paletteOffset = kFileHeaderSize + size;
    // The masks sit inside the newer headers, right after the plain one otherwise.
    const std::size_t maskCount = size >= 56 ? 4 : 3;
    if (header.compression == kBitFields) {
        if (size < 52) header.paletteOffset += 12;
        if (data.size() < kFileHeaderSize + kInfoHeaderSize + 4 * maskCount) return {};
        for (std::size_t i = 0; i < maskCount; ++i) header.masks[i] = u32(data, 54 + 4 * i);
    }
    return header;
}

bool plausible(const Header& header) {
    if (!fitsBounds(header.width, header.height)) return false;
    switch (header.compression) {
        case kRgb:
            return header.bitsPerPixel == 1 || header.bitsPerPixel == 4 ||
                   header.bitsPerPixel == 8 || header.bitsPerPixel == 16 ||
                   header.bitsPerPixel == 24 || header.bitsPerPixel == 32;
        case kRle8:
            return header.bitsPerPixel == 8 && !header.topDown;
        case kRle4:
            return header.bitsPerPixel == 4 && !header.topDown;
        case kBitFields:
            return header.bitsPerPixel == 16 || header.bitsPerPixel == 32;
        default:
            return false;
    }
}

std::optional<Header> readHeader(Bytes data) {
    if (data.size() < kFileHeaderSize + kCoreHeaderSize || data[0] != 'B' || data[1] != 'M') {
        return {};
    }
    const std::size_t size = u32(data, kFileHeaderSize);
    std::optional<Header> header;
    if (size == kCoreHeaderSize) {
        header = readCoreHeader(data);
    } else if (size >= kInfoHeaderSize && size <= data.size() - kFileHeaderSize) {
        header = readInfoHeader(data, size);
    }
    if (!header || !plausible(*header)) return {};
    return header;
}

// The palette ends where the pixels begin, whatever count the header gives.
std::optional<Palette> readPalette(Bytes data, const Header& header, std::size_t pixelOffset) {
    std::vector<std::uint32_t> colours;
    if (header.bitsPerPixel > 8) return Palette(std::move(colours));
    const std::size_t most = std::size_t{1} << header.bitsPerPixel;
    std::size_t count =
        header.colourCount == 0 ? most : std::min<std::size_t>(header.colourCount, most);
    if (pixelOffset > header.paletteOffset) {
        count = std::min(count, (pixelOffset - header.paletteOffset) / header.paletteEntrySize);
    }
    const std::size_t end = header.paletteOffset + count * header.paletteEntrySize;
    if (end > data.size()) return {};
    for (std::size_t at = header.paletteOffset; at < end; at += header.paletteEntrySize) {
        colours.push_back(0xFF000000u | data[at + 2] << 16 | data[at + 1] << 8 | data[at]);
    }
    return Palette(std::move(colours));
}

// One channel of a bit-field pixel, scaled to 8 bits.
class Channel {
  public:
    Channel(std::uint32_t mask, std::uint32_t absent)
        : mask_(mask),
          shift_(mask == 0 ? 0 : std::countr_zero(mask)),
          top_(mask >> shift_),
          absent_(absent) {}
    std::uint32_t operator()(std::uint32_t pixel) const {
        if (mask_ == 0) return absent_;
        return static_cast<std::uint32_t>(std::uint64_t{(pixel & mask_) >> shift_} * 255 / top_);
    }

  private:
    std::uint32_t mask_;
    int shift_;
    std::uint32_t top_;
    std::uint32_t absent_;
};

struct BitFields {
    Channel red, green, blue, alpha;
    std::uint32_t operator()(std::uint32_t pixel) const {
        return alpha(pixel) << 24 | red(pixel) << 16 | green(pixel) << 8 | blue(pixel);
    }
};

BitFields bitFieldsOf(const Header& header) {
    if (header.compression == kBitFields) {
        return {{header.masks[0], 0},
                {header.masks[1], 0},
                {header.masks[2], 0},
                {header.masks[3], 255}};
    }
    // Plain 16-bit pixels are 5-5-5; plain 32-bit ones leave their fourth byte unused.
    if (header.bitsPerPixel == 16) return {{0x7C00, 0}, {0x03E0, 0}, {0x001F, 0}, {0, 255}};
    return {{0xFF0000, 0}, {0xFF00, 0}, {0xFF, 0}, {0, 255}};
}

// Decodes one stored row of an uncompressed picture.
class RowDecoder {
  public:
    RowDecoder(const Header& header, const Palette& palette)
        : bits_(header.bitsPerPixel), palette_(palette), fields_(bitFieldsOf(header)) {}

    void decode(const std::uint8_t* in, std::uint32_t* out, std::int64_t width) const {
        for (std::int64_t x = 0; x < width; ++x) out[x] = pixel(in, x);
    }

  private:
    std::uint32_t pixel(const std::uint8_t* in, std::int64_t x) const {
        switch (bits_) {
            case 24: {
                const std::uint8_t* p = in + 3 * x;
                return 0xFF000000u | p[2] << 16 | p[1] << 8 | p[0];
            }
            case 32: {
                const std::uint8_t* p = in + 4 * x;
                return fields_(p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t{p[3]} << 24);
            }
            case 16:
                return fields_(in[2 * x] | in[2 * x + 1] << 8);
            default: {
                const std::int64_t bit = x * bits_;
                const unsigned shift = 8 - bits_ - bit % 8;
                return palette_[(in[bit / 8] >> shift) & ((1u << bits_) - 1)];
            }
        }
    }

    unsigned bits_;
    const Palette& palette_;
    BitFields fields_;
};

// Stored rows are padded to 32 bits.
std::size_t strideOf(const Header& header) {
    return static_cast<std::size_t>(header.width * header.bitsPerPixel + 31) / 32 * 4;
}

bool decodeRows(Bytes pixels, const Header& header, const Palette& palette, IldaBitmap& picture,
                Progress& progress) {
    const std::size_t stride = strideOf(header);
    const RowDecoder rows(header, palette);
    for (std::int64_t y = 0; y < header.height; ++y) {
        const std::int64_t stored = header.topDown ? y : header.height - 1 - y;
        rows.decode(pixels.data() + stored * stride, pictureRow(picture, y), header.width);
        if (!progress.advance(1, static_cast<std::size_t>(header.width) * 4)) return false;
    }
    return true;
}

}  // namespace

Picture decodeBmp(Bytes data, Progress& progress) {
    const std::optional<Header> header = readHeader(data);
    if (!header) return nullptr;
    const std::size_t pixelOffset = u32(data, 10);
    const std::optional<Palette> palette = readPalette(data, *header, pixelOffset);
    if (!palette || pixelOffset >= data.size()) return nullptr;
    const Bytes pixels = data.subspan(pixelOffset);
    // Uncompressed data is measured before the picture is allocated.
    const bool rle = header->compression == kRle8 || header->compression == kRle4;
    if (!rle && pixels.size() / strideOf(*header) < static_cast<std::size_t>(header->height)) {
        return nullptr;
    }
    Picture picture = makePicture(header->width, header->height);
    if (!picture) return nullptr;
    const bool ok = rle ? bmp::decodeRle(pixels, header->bitsPerPixel, *palette, *picture, progress)
                        : decodeRows(pixels, *header, *palette, *picture, progress);
    if (!ok) return nullptr;
    return picture;
}

}  // namespace imagelib
