#pragma once
#include <cstdint>
#include <string>
#include <string_view>

inline std::int32_t IntMin(std::int32_t a, std::int32_t b) { return a < b ? a : b; }
inline std::int32_t IntMax(std::int32_t a, std::int32_t b) { return a > b ? a : b; }

// Without the characters of code 0 to 32 at both ends (bytes of 128 and above stay).
std::string TrimBlanks(std::string_view text);

// A file address as a Linux file name: a name without any "/" or "\" stays as it is;
// otherwise a leading "file://" (any case) goes, "\" (documents written on Windows) becomes
// "/", and the case is kept, since Linux names are case-sensitive.
std::string UrlToFileName(std::string_view url);
