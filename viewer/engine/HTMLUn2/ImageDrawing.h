#pragma once
// Drawing pictures: through a transparency mask, and as device-independent bitmaps (a header
// and the pixel rows, bottom row first), the form in which pictures are stretched onto the
// screen and the printer. Our pictures carry no palette: colour pictures become 24-bit rows,
// masks 1-bit rows with a black and a white colour entry.
#include <cstdint>
#include <memory>
#include <vector>

#include "HTMLUn2/MemoryBlocks.h"
#include "platform/Bitmap.h"
#include "platform/Canvas.h"

struct BitmapInfoHeader {
    std::uint32_t biSize = 40;
    std::int32_t biWidth = 0;
    std::int32_t biHeight = 0;  // positive: the bottom row comes first
    std::uint16_t biPlanes = 1;
    std::uint16_t biBitCount = 0;
    std::uint32_t biCompression = 0;
    std::uint32_t biSizeImage = 0;
    std::int32_t biXPelsPerMeter = 0;
    std::int32_t biYPelsPerMeter = 0;
    std::uint32_t biClrUsed = 0;
    std::uint32_t biClrImportant = 0;
};
static_assert(sizeof(BitmapInfoHeader) == 40);

struct RgbQuad {
    std::uint8_t rgbBlue = 0;
    std::uint8_t rgbGreen = 0;
    std::uint8_t rgbRed = 0;
    std::uint8_t rgbReserved = 0;
};

// The header with its colour table.
struct DibHeader {
    BitmapInfoHeader bmiHeader;
    std::vector<RgbQuad> bmiColors;
    int Size() const { return static_cast<int>(sizeof bmiHeader + 4 * bmiColors.size()); }
};

// Image stretched to width x height at x, y; where Mask is 1 what was there stays. Nothing on
// a monochrome canvas. Image is unchanged.
void DrawTransparent(platform::Canvas& dc, const platform::Bitmap& image,
                     const platform::Bitmap& mask, int x, int y, int width, int height);

// Bits per pixel: 1 for a mask, 24 for a colour picture; rows rounded up to 4 bytes.
void FillDibHeader(const platform::Bitmap& bitmap, BitmapInfoHeader& header);
// FillDibHeader, the colour table, and block := the rows. A bitmap without rows leaves no block
// and raises the out-of-memory error.
void GetDibBits(const platform::Bitmap& bitmap, DibHeader& header,
                std::unique_ptr<AllocRec>& block);
// GetDibBits into a new header; on an error the header is freed and the error passes on.
bool GetDib(const platform::Bitmap& bitmap, std::unique_ptr<DibHeader>& header,
            std::unique_ptr<AllocRec>& block, int& headerSize);
void GetDibOfHandle(const platform::Bitmap& bitmap, std::unique_ptr<DibHeader>& header,
                    std::unique_ptr<AllocRec>& block, int& headerSize, int& imageSize);
// The whole DIB stretched to width x height at x, y; false (nothing drawn) when header and bits
// do not describe a picture.
bool StretchDib(platform::Canvas& dc, int x, int y, int width, int height, const DibHeader& header,
                const AllocRec& bits, platform::RasterOp op);
