#include "Bitmap.h"

#include <QFile>
#include <QImageReader>

namespace platform {
namespace {

const QList<QRgb> kMonochromeColors = {qRgb(0, 0, 0), qRgb(255, 255, 255)};

QImage MonochromeImage(int width, int height) {
    QImage image(width, height, QImage::Format_Mono);
    image.setColorTable(kMonochromeColors);
    image.fill(0);
    return image;
}

}  // namespace

bool AcceptablePictureSize(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPicturePixels;
}

Bitmap::Bitmap(int width, int height) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

Bitmap Bitmap::Monochrome(int width, int height) { return Bitmap(MonochromeImage(width, height)); }

Bitmap Bitmap::FromQImage(const QImage& image) {
    if (image.isNull()) return Bitmap();
    return Bitmap(image.convertToFormat(QImage::Format_RGB32));
}

TColor Bitmap::Pixel(int x, int y) const {
    if (!image_.valid(x, y)) return CLR_INVALID;
    if (IsMonochrome()) return image_.pixelIndex(x, y) ? clWhite : clBlack;
    return FromQColor(QColor(image_.pixel(x, y)));
}

void Bitmap::SetPixel(int x, int y, TColor color) {
    if (!image_.valid(x, y)) return;
    const TColor rgb = ColorToRGB(color);
    if (IsMonochrome())
        image_.setPixel(x, y, rgb == clWhite ? 1 : 0);
    else
        image_.setPixel(x, y, qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)));
}

Bitmap Bitmap::Inverted() const {
    QImage inverted = image_;
    inverted.invertPixels();
    return Bitmap(std::move(inverted));
}

std::optional<Bitmap> LoadBmpFile(const std::string& fileName) {
    QFile file(QFile::decodeName(fileName.c_str()));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    QImageReader reader(&file, "bmp");
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!AcceptablePictureSize(size.width(), size.height())) return std::nullopt;
    QImage image;
    if (!reader.read(&image)) return std::nullopt;
    return Bitmap::FromQImage(image);
}

}  // namespace platform
