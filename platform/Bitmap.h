#pragma once
// Pictures and monochrome masks. A colour bitmap holds 0xFFRRGGBB pixels (QImage's RGB32); a
// monochrome one holds bits, 1 drawn white and 0 black, as GDI draws a mask onto a device
// whose background is white and whose text colour is black.
#include <QImage>
#include <cstdint>
#include <optional>
#include <string>

#include "Color.h"

namespace platform {

// What Pixel answers outside the picture.
constexpr TColor CLR_INVALID = 0xFFFFFFFF;

// Pictures larger than this are refused by the readers: a damaged header must not make us
// allocate without bound.
constexpr int kMaxPictureSide = 16384;
constexpr std::int64_t kMaxPicturePixels = std::int64_t{1} << 25;
bool AcceptablePictureSize(std::int64_t width, std::int64_t height);

class Bitmap {
  public:
    Bitmap() = default;
    // A colour bitmap, black.
    Bitmap(int width, int height);
    // A monochrome bitmap, all bits 0.
    static Bitmap Monochrome(int width, int height);
    // A colour bitmap of a picture of any format.
    static Bitmap FromQImage(const QImage& image);

    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    bool Empty() const { return image_.isNull(); }
    bool IsMonochrome() const { return image_.format() == QImage::Format_Mono; }
    // 1 for a mask, 32 for a colour picture, 0 when empty.
    int BitsPerPixel() const { return Empty() ? 0 : IsMonochrome() ? 1 : 32; }

    // A monochrome pixel reads white for 1 and black for 0.
    TColor Pixel(int x, int y) const;
    // On a monochrome bitmap, white sets the bit and every other colour clears it.
    void SetPixel(int x, int y, TColor color);
    bool Bit(int x, int y) const { return Pixel(x, y) == clWhite; }
    // The row y of a colour bitmap, 0xFFRRGGBB per pixel.
    std::uint32_t* ScanLine(int y) { return reinterpret_cast<std::uint32_t*>(image_.scanLine(y)); }
    const std::uint32_t* ScanLine(int y) const {
        return reinterpret_cast<const std::uint32_t*>(image_.constScanLine(y));
    }

    // Every bit or colour inverted, as the NOT raster operation gives it.
    Bitmap Inverted() const;

    // For the platform's own drawing code.
    const QImage& ToQImage() const { return image_; }
    QImage& ToQImage() { return image_; }

  private:
    explicit Bitmap(QImage image) : image_(std::move(image)) {}
    QImage image_;
};

// The platform's own BMP reader; none for a missing, damaged or oversized file.
std::optional<Bitmap> LoadBmpFile(const std::string& fileName);

}  // namespace platform
