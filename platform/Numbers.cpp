#include "Numbers.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

#include "Errors.h"

namespace platform {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = (std::llabs(product) + std::llabs(c) / 2) / std::llabs(c);
    const std::int64_t result = ((product < 0) != (c < 0)) ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(result);
}

namespace {

int DigitValue(char c, int base) {
    int digit = -1;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

}  // namespace

bool TryStrToInt(std::string_view text, int& value) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size()) return false;
    // Hexadecimal covers the 32-bit pattern (so $FFFFFFFF is -1); decimal the signed range.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
    std::uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0) return false;
        magnitude = magnitude * base + digit;
        if (magnitude > limit) return false;
    }
    const auto pattern = static_cast<std::uint32_t>(magnitude);
    value = static_cast<int>(negative ? 0u - pattern : pattern);
    return true;
}

int StrToInt(std::string_view text) {
    int value = 0;
    if (!TryStrToInt(text, value))
        throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
    return value;
}

std::string IntToStr(int value) { return std::to_string(value); }

}  // namespace platform
