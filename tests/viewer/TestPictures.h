#pragma once
// Small pictures that the tests make themselves: GIFs by a writer of our own (so that the
// blocks after the colour table are ours to choose), the other formats by Qt's writers.
#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

namespace pictures {

using Bytes = std::vector<std::uint8_t>;

// What comes between the global colour table and the picture.
enum class GifLead {
    None,
    Transparency,                 // a graphic control extension with the transparency flag
    ControlWithoutTransparency,   // one without it
    ApplicationThenTransparency,  // a looping extension first, the control after it
};

struct Gif {
    int width = 1;
    int height = 1;
    std::vector<QRgb> palette{qRgb(0, 0, 0), qRgb(255, 255, 255)};  // 2, 4, ... 256 entries
    std::vector<std::uint8_t> indexes{0};
    GifLead lead = GifLead::None;
    int transparentIndex = 0;
    bool gif89 = true;
};

// LZW with 9-bit codes only: a clear code before the table would need 10 bits.
inline Bytes LzwCodes(const std::vector<std::uint8_t>& indexes) {
    Bytes data;
    std::uint32_t pending = 0;
    int bits = 0;
    auto writeCode = [&](int code) {
        pending |= static_cast<std::uint32_t>(code) << bits;
        for (bits += 9; bits >= 8; bits -= 8) {
            data.push_back(static_cast<std::uint8_t>(pending));
            pending >>= 8;
        }
    };
    writeCode(256);
    int sinceClear = 0;
    for (std::uint8_t index : indexes) {
        if (sinceClear++ == 250) {
            writeCode(256);
            sinceClear = 1;
        }
        writeCode(index);
    }
    writeCode(257);
    if (bits > 0) data.push_back(static_cast<std::uint8_t>(pending));
    return data;
}

inline Bytes Encode(const Gif& gif) {
    Bytes out;
    auto put = [&](std::initializer_list<int> bytes) {
        for (int b : bytes) out.push_back(static_cast<std::uint8_t>(b));
    };
    auto put16 = [&](int value) { put({value & 0xFF, value >> 8 & 0xFF}); };
    for (char c : std::string(gif.gif89 ? "GIF89a" : "GIF87a"))
        out.push_back(static_cast<std::uint8_t>(c));
    put16(gif.width);
    put16(gif.height);
    int sizeBits = 1;
    while ((std::size_t{1} << sizeBits) < gif.palette.size()) ++sizeBits;
    put({0x80 | (sizeBits - 1) << 4 | (sizeBits - 1), 0, 0});
    for (std::size_t i = 0; i < (std::size_t{1} << sizeBits); ++i) {
        const QRgb c = i < gif.palette.size() ? gif.palette[i] : 0;
        put({qRed(c), qGreen(c), qBlue(c)});
    }
    if (gif.lead == GifLead::ApplicationThenTransparency) {
        put({0x21, 0xFF, 0x0B});
        for (char c : std::string("NETSCAPE2.0")) out.push_back(static_cast<std::uint8_t>(c));
        put({0x03, 0x01, 0x00, 0x00, 0x00});
    }
    if (gif.lead != GifLead::None)
        put({0x21, 0xF9, 0x04, gif.lead == GifLead::ControlWithoutTransparency ? 0 : 1, 0, 0,
             gif.transparentIndex, 0});
    put({0x2C});
    put16(0);
    put16(0);
    put16(gif.width);
    put16(gif.height);
    put({0, 8});
    const Bytes codes = LzwCodes(gif.indexes);
    for (std::size_t at = 0; at < codes.size(); at += 255) {
        const std::size_t length = std::min<std::size_t>(255, codes.size() - at);
        out.push_back(static_cast<std::uint8_t>(length));
        out.insert(out.end(), codes.begin() + static_cast<std::ptrdiff_t>(at),
                   codes.begin() + static_cast<std::ptrdiff_t>(at + length));
    }
    put({0, 0x3B});
    return out;
}

// format: "PNG", "JPEG", "BMP".
inline Bytes Encode(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 100);
    return Bytes(bytes.begin(), bytes.end());
}

// 4 x 3: white, with a red top-left pixel and a blue one at (2, 1).
inline QImage Sample() {
    QImage image(4, 3, QImage::Format_RGB32);
    image.fill(qRgb(255, 255, 255));
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(2, 1, qRgb(0, 0, 255));
    return image;
}

inline QImage Flat(int width, int height, QRgb colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

inline std::string Write(const QTemporaryDir& dir, const std::string& name, const Bytes& bytes) {
    const QString path = dir.filePath(QString::fromStdString(name));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
    return QFile::encodeName(path).toStdString();
}

}  // namespace pictures
