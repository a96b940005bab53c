#include "Text.h"

#include <array>

namespace platform {
namespace {

// Code points of the bytes 0x80 to 0x9F; the five bytes that Windows-1252 leaves undefined keep
// their C1 code points, so every byte survives a round trip through QString.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char16_t ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
    return byte;
}

char FromUnicode(char16_t unit) {
    if (unit < 0x80 || (unit >= 0xA0 && unit < 0x100)) return static_cast<char>(unit);
    for (std::size_t i = 0; i < kHighControls.size(); ++i)
        if (kHighControls[i] == unit) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString ToQString(std::string_view cp1252) {
    QString result(static_cast<qsizetype>(cp1252.size()), Qt::Uninitialized);
    for (std::size_t i = 0; i < cp1252.size(); ++i)
        result[static_cast<qsizetype>(i)] = QChar(ToUnicode(static_cast<unsigned char>(cp1252[i])));
    return result;
}

std::string FromQString(const QString& text) {
    std::string result;
    result.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (ch.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
        result += FromUnicode(ch.unicode());
    }
    return result;
}

std::string FromUtf8(std::string_view utf8) {
    return FromQString(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
}

std::string Trim(std::string_view text) {
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t first = 0, last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return std::string(text.substr(first, last - first));
}

}  // namespace platform
