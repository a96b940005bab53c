#pragma once
#include <string>
#include <string_view>

namespace platform {

// a * b / c in 64 bits, rounded to nearest with halves away from zero; -1 when c is 0 or the
// result does not fit.
int MulDiv(int a, int b, int c);

// The integer conversion of our programs: leading spaces, an optional sign, decimal digits or
// "$"/"0x" followed by hexadecimal digits, and nothing after the digits.
bool TryStrToInt(std::string_view text, int& value);
// As TryStrToInt, but raises EConvertError for a text that is no number.
int StrToInt(std::string_view text);
std::string IntToStr(int value);

}  // namespace platform
