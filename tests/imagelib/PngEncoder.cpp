#include <png.h>

#include <algorithm>
#include <cstdlib>

#include "TestPictures.h"

namespace imagelib_test {

namespace {

void append(png_structp png, png_bytep data, png_size_t size) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + size);
}
void noFlush(png_structp) {}

int colourType(PngKind kind) {
    switch (kind) {
        case PngKind::Rgb8:
            return PNG_COLOR_TYPE_RGB;
        case PngKind::Grey8:
            return PNG_COLOR_TYPE_GRAY;
        case PngKind::GreyAlpha8:
            return PNG_COLOR_TYPE_GRAY_ALPHA;
        case PngKind::Palette8:
            return PNG_COLOR_TYPE_PALETTE;
        default:
            return PNG_COLOR_TYPE_RGBA;
    }
}

void putSample(Bytes& row, unsigned value, bool sixteen) {
    row.push_back(static_cast<std::uint8_t>(value));
    if (sixteen) row.push_back(static_cast<std::uint8_t>(value));  // v * 257 keeps v on reading
}

Bytes rowOf(const Image& image, int y, PngKind kind, const Indexed& indexed) {
    Bytes row;
    const bool sixteen = kind == PngKind::Rgba16;
    for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.at(x, y);
        const unsigned a = p >> 24, r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
        if (kind == PngKind::Palette8) {
            row.push_back(static_cast<std::uint8_t>(indexed.at(x, y)));
            continue;
        }
        putSample(row, r, sixteen);
        if (kind == PngKind::Grey8 || kind == PngKind::GreyAlpha8) {
            if (kind == PngKind::GreyAlpha8) putSample(row, a, false);
            continue;
        }
        putSample(row, g, sixteen);
        putSample(row, b, sixteen);
        if (kind != PngKind::Rgb8) putSample(row, a, sixteen);
    }
    return row;
}

void writePalette(png_structp png, png_infop info, const std::vector<std::uint32_t>& palette) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (std::uint32_t p : palette) {
        colours.push_back({static_cast<png_byte>(p >> 16), static_cast<png_byte>(p >> 8),
                           static_cast<png_byte>(p)});
        alphas.push_back(static_cast<png_byte>(p >> 24));
    }
    png_set_PLTE(png, info, colours.data(), static_cast<int>(colours.size()));
    if (std::any_of(alphas.begin(), alphas.end(), [](png_byte a) { return a != 255; })) {
        png_set_tRNS(png, info, alphas.data(), static_cast<int>(alphas.size()), nullptr);
    }
}

}  // namespace

Bytes encodePng(const Image& image, PngKind kind, bool interlaced) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) std::abort();  // our own pictures are always writable
    png_set_write_fn(png, &out, append, noFlush);
    png_set_IHDR(png, info, image.width, image.height, kind == PngKind::Rgba16 ? 16 : 8,
                 colourType(kind), interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    const Indexed indexed = kind == PngKind::Palette8 ? indexedOf(image) : Indexed{};
    if (kind == PngKind::Palette8) writePalette(png, info, indexed.palette);
    png_write_info(png, info);
    std::vector<Bytes> rows;
    std::vector<png_bytep> pointers;
    for (int y = 0; y < image.height; ++y) rows.push_back(rowOf(image, y, kind, indexed));
    for (Bytes& row : rows) pointers.push_back(row.data());
    png_write_image(png, pointers.data());
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

}  // namespace imagelib_test
