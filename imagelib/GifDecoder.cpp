// GIF through giflib: the first picture of the file, placed on its logical screen, with the
// transparent colour of its graphic control extension given alpha 0 (its colour is kept, so
// that a mask made from that colour still finds it).
#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "imagelib/Decoders.h"

namespace imagelib {

namespace {

struct Source {
    Bytes data;
    std::size_t offset = 0;
};

int readSource(GifFileType* gif, GifByteType* out, int count) {
    auto* source = static_cast<Source*>(gif->UserData);
    const std::size_t step = std::min(static_cast<std::size_t>(std::max(count, 0)),
                                      source->data.size() - source->offset);
    std::memcpy(out, source->data.data() + source->offset, step);
    source->offset += step;
    return static_cast<int>(step);
}

struct GifCloser {
    void operator()(GifFileType* gif) const {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};
using GifFile = std::unique_ptr<GifFileType, GifCloser>;

constexpr int kNoTransparency = -1;

// Reads one extension with all its sub-blocks, noting a transparent index that it declares.
bool readExtension(GifFileType* gif, int& transparent) {
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return false;
    GraphicsControlBlock control{};
    if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr &&
        DGifExtensionToGCB(block[0], block + 1, &control) == GIF_OK) {
        transparent = control.TransparentColor;
    }
    while (block != nullptr) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return false;
    }
    return true;
}

// Reads the records before the first picture and that picture's descriptor.
bool readToFirstImage(GifFileType* gif, int& transparent) {
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return false;
        if (type == IMAGE_DESC_RECORD_TYPE) return DGifGetImageDesc(gif) == GIF_OK;
        if (type != EXTENSION_RECORD_TYPE || !readExtension(gif, transparent)) return false;
    }
}

using Colours = std::array<std::uint32_t, 256>;

// Indices beyond the colour table show as opaque black.
Colours coloursOf(const ColorMapObject& map, int transparent) {
    Colours colours;
    colours.fill(0xFF000000u);
    const int count = std::min(map.ColorCount, 256);
    for (int i = 0; i < count; ++i) {
        const GifColorType& c = map.Colors[i];
        colours[i] =
            0xFF000000u | std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
    }
    if (transparent >= 0 && transparent < 256) colours[transparent] &= 0x00FFFFFFu;
    return colours;
}

// The picture row that the line-th line of an interlaced frame of the given height fills.
int interlacedRow(int line, int height) {
    const int firstPass = (height + 7) / 8;
    if (line < firstPass) return line * 8;
    line -= firstPass;
    const int secondPass = (height + 3) / 8;
    if (line < secondPass) return 4 + line * 8;
    line -= secondPass;
    const int thirdPass = (height + 1) / 4;
    if (line < thirdPass) return 2 + line * 4;
    return 1 + (line - thirdPass) * 2;
}

bool readFrame(GifFileType* gif, const Colours& colours, IldaBitmap& picture, Progress& progress) {
    const GifImageDesc& frame = gif->Image;
    std::vector<GifPixelType> line(static_cast<std::size_t>(frame.Width));
    for (int i = 0; i < frame.Height; ++i) {
        if (DGifGetLine(gif, line.data(), frame.Width) == GIF_ERROR) return false;
        const int y = frame.Interlace ? interlacedRow(i, frame.Height) : i;
        std::uint32_t* out = pictureRow(picture, frame.Top + y) + frame.Left;
        std::transform(line.begin(), line.end(), out,
                       [&](GifPixelType index) { return colours[index]; });
        if (!progress.advance(1, static_cast<std::size_t>(picture.width) * 4)) return false;
    }
    return true;
}

Picture decodeFirstFrame(GifFileType* gif, Progress& progress) {
    int transparent = kNoTransparency;
    if (!readToFirstImage(gif, transparent)) return nullptr;
    const GifImageDesc& frame = gif->Image;
    const ColorMapObject* map = frame.ColorMap != nullptr ? frame.ColorMap : gif->SColorMap;
    if (map == nullptr || frame.Width <= 0 || frame.Height <= 0) return nullptr;
    // A frame reaching past the logical screen widens the picture rather than being cut.
    Picture picture =
        makePicture(std::max<std::int64_t>(gif->SWidth, std::int64_t{frame.Left} + frame.Width),
                    std::max<std::int64_t>(gif->SHeight, std::int64_t{frame.Top} + frame.Height));
    if (!picture || !readFrame(gif, coloursOf(*map, transparent), *picture, progress))
        return nullptr;
    // Some record must follow the picture; a file cut right after it is refused like any cut.
    GifRecordType next = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(gif, &next) == GIF_ERROR) return nullptr;
    return picture;
}

}  // namespace

Picture decodeGif(Bytes data, Progress& progress) {
    Source source{data};
    int error = 0;
    const GifFile gif(DGifOpen(&source, readSource, &error));
    if (!gif) return nullptr;
    return decodeFirstFrame(gif.get(), progress);
}

}  // namespace imagelib
