#include <gtest/gtest.h>

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "platform/Bitmap.h"

using namespace platform;

namespace {

QByteArray Encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

std::string WriteFile(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return QFile::encodeName(path).toStdString();
}

QImage ThreeByTwo() {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(10, 20, 30));
    image.setPixel(2, 1, qRgb(200, 100, 50));
    return image;
}

}  // namespace

TEST(Bitmap, ColourPixelsReadAndWriteAsTColor) {
    Bitmap bitmap(3, 2);
    EXPECT_FALSE(bitmap.IsMonochrome());
    EXPECT_EQ(bitmap.BitsPerPixel(), 32);
    EXPECT_EQ(bitmap.Pixel(2, 1), clBlack);
    bitmap.SetPixel(1, 0, kPaletteRelative | RGB(10, 20, 30));
    EXPECT_EQ(bitmap.Pixel(1, 0), RGB(10, 20, 30));
    EXPECT_EQ(bitmap.ScanLine(0)[1], 0xFF0A141Eu);
    EXPECT_EQ(bitmap.Pixel(3, 0), CLR_INVALID);
    EXPECT_EQ(bitmap.Pixel(0, -1), CLR_INVALID);
    bitmap.SetPixel(5, 5, clRed);  // outside: ignored
    EXPECT_EQ(bitmap.Inverted().Pixel(1, 0), RGB(245, 235, 225));
}

TEST(Bitmap, MonochromeBitsReadWhiteForOneAndInvertToTheirComplement) {
    Bitmap mask = Bitmap::Monochrome(9, 2);  // more than a byte a row
    EXPECT_TRUE(mask.IsMonochrome());
    EXPECT_EQ(mask.BitsPerPixel(), 1);
    mask.SetPixel(8, 1, clWhite);
    mask.SetPixel(0, 0, clSilver);  // not white: stays 0
    EXPECT_TRUE(mask.Bit(8, 1));
    EXPECT_FALSE(mask.Bit(0, 0));
    EXPECT_EQ(mask.Pixel(8, 1), clWhite);
    const Bitmap inverted = mask.Inverted();
    EXPECT_TRUE(inverted.IsMonochrome());
    EXPECT_FALSE(inverted.Bit(8, 1));
    EXPECT_TRUE(inverted.Bit(0, 0));
    EXPECT_TRUE(mask.Bit(8, 1));  // the original is unchanged
}

TEST(LoadBmpFile, ReadsTheColoursOfABmpFile) {
    QTemporaryDir dir;
    const auto bitmap = LoadBmpFile(WriteFile(dir, "a.bmp", Encoded(ThreeByTwo(), "BMP")));
    ASSERT_TRUE(bitmap);
    EXPECT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->Height(), 2);
    EXPECT_FALSE(bitmap->IsMonochrome());
    EXPECT_EQ(bitmap->Pixel(0, 0), RGB(10, 20, 30));
    EXPECT_EQ(bitmap->Pixel(2, 1), RGB(200, 100, 50));
    EXPECT_EQ(bitmap->Pixel(1, 0), clWhite);
}

TEST(LoadBmpFile, RefusesMissingTruncatedForeignAndOversizedFiles) {
    QTemporaryDir dir;
    const QByteArray bmp = Encoded(ThreeByTwo(), "BMP");
    EXPECT_FALSE(LoadBmpFile(dir.filePath("none.bmp").toStdString()));
    EXPECT_FALSE(LoadBmpFile(WriteFile(dir, "cut.bmp", bmp.left(30))));
    EXPECT_FALSE(LoadBmpFile(WriteFile(dir, "png.bmp", Encoded(ThreeByTwo(), "PNG"))));

    QByteArray huge = bmp;  // a header that claims 60000 x 60000 pixels
    const char side[4] = {'\x60', '\xEA', 0, 0};
    huge.replace(18, 4, side, 4);
    huge.replace(22, 4, side, 4);
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(LoadBmpFile(WriteFile(dir, "huge.bmp", huge)));
    EXPECT_LT(timer.elapsed(), 2000);
}

TEST(LoadBmpFile, SurvivesEveryFlippedBitOfTheHeader) {
    QTemporaryDir dir;
    const QByteArray bmp = Encoded(ThreeByTwo(), "BMP");
    for (int byte = 0; byte < 54; ++byte)
        for (int bit = 0; bit < 8; ++bit) {
            QByteArray damaged = bmp;
            damaged[byte] = static_cast<char>(damaged[byte] ^ (1 << bit));
            const auto bitmap = LoadBmpFile(WriteFile(dir, "flip.bmp", damaged));
            if (bitmap) {
                EXPECT_TRUE(AcceptablePictureSize(bitmap->Width(), bitmap->Height()));
            }
        }
}
