#pragma once
// The image module's state, set up once when it is first asked: the screen's colour depth
// class, the option every decoder gets, and on 8-bit screens the palette that pictures are
// mapped onto and that painting selects. Our screens are true-colour, so the palette exists
// only as a table here, made the way an 8-bit screen would get it.
#include <array>
#include <cstdint>

struct PaletteEntry {
    std::uint8_t peRed = 0;
    std::uint8_t peGreen = 0;
    std::uint8_t peBlue = 0;
    std::uint8_t peFlags = 0;
    bool operator==(const PaletteEntry&) const = default;
};
using PaletteTable = std::array<PaletteEntry, 256>;

// 4 up to 4 bits per pixel, 8 for 8, 24 for 16 and more, 8 for anything else.
std::uint8_t ScreenDepthClass(int bitsPerPixel);
// The 20 colours a 256-colour screen keeps for itself, in entries 0-9 and 246-255; the
// others black.
PaletteTable SystemPalette();
// A copy of system with a 6 x 6 x 6 colour cube in entries 10-225 (red fastest, blue
// slowest) and 24 greys from 135 to 250 in entries 226-249.
PaletteTable MakeSharedPalette(const PaletteTable& system);

std::uint8_t ScreenDepth();
std::uint8_t DecodeOption();
// None unless the screen has 8 bits per pixel.
const PaletteTable* SharedPalette();
// The palette the decoders are given: SharedPalette, unless a caller set another for a while.
const PaletteTable* DllPalette();
void SetDllPalette(const PaletteTable* palette);
