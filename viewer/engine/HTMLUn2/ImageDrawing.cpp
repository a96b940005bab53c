#include "HTMLUn2/ImageDrawing.h"

#include <climits>
#include <cstring>
#include <optional>

#include "platform/Errors.h"

using platform::Bitmap;
using platform::Canvas;
using platform::RasterOp;

namespace {

std::int64_t RowBytes(std::int64_t width, int bitCount) { return (width * bitCount + 31) / 32 * 4; }

// The rows of bitmap, the bottom one first, as the header describes them.
void WriteRows(const Bitmap& bitmap, const BitmapInfoHeader& header, std::uint8_t* out) {
    const std::int64_t rowBytes = RowBytes(header.biWidth, header.biBitCount);
    for (int row = 0; row < header.biHeight; ++row) {
        const int y = header.biHeight - 1 - row;
        std::uint8_t* line = out + row * rowBytes;
        std::memset(line, 0, static_cast<std::size_t>(rowBytes));
        if (header.biBitCount == 1) {
            for (int x = 0; x < header.biWidth; ++x)
                if (bitmap.Bit(x, y)) line[x >> 3] |= static_cast<std::uint8_t>(0x80 >> (x & 7));
            continue;
        }
        const std::uint32_t* pixels = bitmap.ScanLine(y);
        for (int x = 0; x < header.biWidth; ++x) {
            line[3 * x] = static_cast<std::uint8_t>(pixels[x]);
            line[3 * x + 1] = static_cast<std::uint8_t>(pixels[x] >> 8);
            line[3 * x + 2] = static_cast<std::uint8_t>(pixels[x] >> 16);
        }
    }
}

std::uint32_t PixelOf(const RgbQuad& entry) {
    return 0xFF000000u | std::uint32_t{entry.rgbRed} << 16 | std::uint32_t{entry.rgbGreen} << 8 |
           entry.rgbBlue;
}

// The picture a DIB describes; none when header and rows do not fit together.
std::optional<Bitmap> ReadRows(const DibHeader& header, const AllocRec& bits) {
    const BitmapInfoHeader& info = header.bmiHeader;
    const int width = info.biWidth;
    const std::int64_t height = info.biHeight < 0 ? -std::int64_t{info.biHeight} : info.biHeight;
    const bool oneBit = info.biBitCount == 1;
    if (info.biCompression != 0 || (!oneBit && info.biBitCount != 24) ||
        (oneBit && header.bmiColors.size() < 2) || !platform::AcceptablePictureSize(width, height))
        return std::nullopt;
    const std::int64_t rowBytes = RowBytes(width, info.biBitCount);
    if (!bits.Memory || rowBytes * height > bits.Size) return std::nullopt;
    Bitmap bitmap(width, static_cast<int>(height));
    const auto* rows = static_cast<const std::uint8_t*>(bits.Memory);
    for (int row = 0; row < height; ++row) {
        const std::uint8_t* line = rows + row * rowBytes;
        std::uint32_t* pixels =
            bitmap.ScanLine(info.biHeight > 0 ? static_cast<int>(height) - 1 - row : row);
        for (int x = 0; x < width; ++x)
            pixels[x] = oneBit ? PixelOf(header.bmiColors[(line[x >> 3] >> (7 - (x & 7))) & 1])
                               : 0xFF000000u | std::uint32_t{line[3 * x + 2]} << 16 |
                                     std::uint32_t{line[3 * x + 1]} << 8 | line[3 * x];
    }
    return bitmap;
}

}  // namespace

void DrawTransparent(Canvas& dc, const Bitmap& image, const Bitmap& mask, int x, int y, int width,
                     int height) {
    if (dc.IsMonochrome()) return;
    const Bitmap opaqueParts = mask.Inverted();
    // Cleared where the picture is opaque, kept where it is transparent...
    dc.StretchDraw({x, y, x + width, y + height}, mask, RasterOp::And);
    // ...and the picture, black where it is transparent, ORed into the hole.
    Bitmap picture = image;
    BitmapCanvas(picture)->StretchDraw({0, 0, picture.Width(), picture.Height()}, opaqueParts,
                                       RasterOp::And);
    std::unique_ptr<DibHeader> header;
    std::unique_ptr<AllocRec> bits;
    int headerSize = 0, imageSize = 0;
    GetDibOfHandle(picture, header, bits, headerSize, imageSize);
    StretchDib(dc, x, y, width, height, *header, *bits, RasterOp::Or);
}

void FillDibHeader(const Bitmap& bitmap, BitmapInfoHeader& header) {
    header = BitmapInfoHeader{};
    header.biWidth = bitmap.Width();
    header.biHeight = bitmap.Height();
    const int bits = header.biPlanes * bitmap.BitsPerPixel();
    header.biBitCount = static_cast<std::uint16_t>(bits == 16 || bits == 32 ? 24 : bits);
    const std::int64_t size = RowBytes(header.biWidth, header.biBitCount) * header.biHeight;
    header.biSizeImage = static_cast<std::uint32_t>(size <= INT32_MAX ? size : 0);
}

void GetDibBits(const Bitmap& bitmap, DibHeader& header, std::unique_ptr<AllocRec>& block) {
    FillDibHeader(bitmap, header.bmiHeader);
    header.bmiColors.clear();
    if (header.bmiHeader.biBitCount == 1)
        header.bmiColors = {RgbQuad{0, 0, 0, 0}, RgbQuad{255, 255, 255, 0}};
    block = AllocBlock(static_cast<std::int32_t>(header.bmiHeader.biSizeImage));
    if (bitmap.Empty() || header.bmiHeader.biSizeImage == 0) {
        FreeBlock(block);
        throw platform::EOutOfResources("Out of memory");
    }
    WriteRows(bitmap, header.bmiHeader, static_cast<std::uint8_t*>(block->Memory));
}

bool GetDib(const Bitmap& bitmap, std::unique_ptr<DibHeader>& header,
            std::unique_ptr<AllocRec>& block, int& headerSize) {
    int imageSize = 0;
    GetDibOfHandle(bitmap, header, block, headerSize, imageSize);
    return true;
}

void GetDibOfHandle(const Bitmap& bitmap, std::unique_ptr<DibHeader>& header,
                    std::unique_ptr<AllocRec>& block, int& headerSize, int& imageSize) {
    header = std::make_unique<DibHeader>();
    try {
        GetDibBits(bitmap, *header, block);
    } catch (...) {
        header.reset();
        throw;
    }
    headerSize = header->Size();
    imageSize = static_cast<int>(header->bmiHeader.biSizeImage);
}

bool StretchDib(Canvas& dc, int x, int y, int width, int height, const DibHeader& header,
                const AllocRec& bits, RasterOp op) {
    const std::optional<Bitmap> picture = ReadRows(header, bits);
    if (!picture) return false;
    dc.StretchDraw({x, y, x + width, y + height}, *picture, op);
    return true;
}
