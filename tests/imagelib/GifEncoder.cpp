#include <gif_lib.h>

#include <cstdlib>

#include "TestPictures.h"

namespace imagelib_test {

namespace {

int append(GifFileType* gif, const GifByteType* data, int size) {
    auto* out = static_cast<Bytes*>(gif->UserData);
    out->insert(out->end(), data, data + size);
    return size;
}

void check(int result) {
    if (result != GIF_OK) std::abort();  // our own pictures are always writable
}

// giflib wants a power of two colours.
ColorMapObject* colourMapOf(const std::vector<std::uint32_t>& palette) {
    int count = 2;
    while (count < static_cast<int>(palette.size())) count *= 2;
    std::vector<GifColorType> colours(static_cast<std::size_t>(count), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.size(); ++i) {
        colours[i] = {static_cast<GifByteType>(palette[i] >> 16),
                      static_cast<GifByteType>(palette[i] >> 8),
                      static_cast<GifByteType>(palette[i])};
    }
    return GifMakeMapObject(count, colours.data());
}

// Rows in the order the file stores them: four passes when interlaced.
std::vector<int> rowOrder(int height, bool interlaced) {
    std::vector<int> order;
    if (!interlaced) {
        for (int y = 0; y < height; ++y) order.push_back(y);
        return order;
    }
    constexpr int starts[] = {0, 4, 2, 1}, steps[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = starts[pass]; y < height; y += steps[pass]) order.push_back(y);
    }
    return order;
}

void putControl(GifFileType* gif, int transparentIndex) {
    GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, transparentIndex};
    GifByteType extension[4];
    const size_t size = EGifGCBToExtension(&control, extension);
    check(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(size), extension));
}

}  // namespace

Bytes encodeGif(const Image& image, const GifLayout& layout) {
    Bytes out;
    int error = 0;
    GifFileType* gif = EGifOpen(&out, append, &error);
    const Indexed indexed = indexedOf(image);
    ColorMapObject* map = colourMapOf(indexed.palette);
    EGifSetGifVersion(gif, true);
    check(EGifPutScreenDesc(gif, layout.screenWidth ? layout.screenWidth : image.width,
                            layout.screenHeight ? layout.screenHeight : image.height, 8, 0, map));
    if (layout.transparentIndex >= 0) putControl(gif, layout.transparentIndex);
    check(EGifPutImageDesc(gif, layout.left, layout.top, image.width, image.height,
                           layout.interlaced, nullptr));
    std::vector<GifPixelType> line(static_cast<std::size_t>(image.width));
    for (int y : rowOrder(image.height, layout.interlaced)) {
        for (int x = 0; x < image.width; ++x) {
            line[x] = static_cast<GifPixelType>(indexed.at(x, y));
        }
        check(EGifPutLine(gif, line.data(), image.width));
    }
    check(EGifCloseFile(gif, &error));
    GifFreeMapObject(map);
    return out;
}

}  // namespace imagelib_test
