#pragma once
// Colours as our documents and windows give them: 0x00BBGGRR, red in the low byte. The flag
// 0x02000000 asks GDI for the nearest palette colour; on our true-colour devices it means
// nothing and is masked off before use. System colours carry 0xFF in the high byte and the
// Windows colour index in the low byte; they follow the application palette when drawn.
#include <cstdint>

class QColor;

namespace platform {

using TColor = std::uint32_t;

constexpr TColor kPaletteRelative = 0x02000000;
constexpr TColor kSystemColor = 0xFF000000;

constexpr TColor RGB(int red, int green, int blue) {
    return static_cast<TColor>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}
constexpr int GetRValue(TColor color) { return color & 0xFF; }
constexpr int GetGValue(TColor color) { return color >> 8 & 0xFF; }
constexpr int GetBValue(TColor color) { return color >> 16 & 0xFF; }

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF;

constexpr TColor clWindow = kSystemColor | 5, clWindowText = kSystemColor | 8,
                 clHighlight = kSystemColor | 13, clHighlightText = kSystemColor | 14,
                 clBtnFace = kSystemColor | 15, clBtnShadow = kSystemColor | 16,
                 clGrayText = kSystemColor | 17, clBtnText = kSystemColor | 18,
                 clBtnHighlight = kSystemColor | 20, cl3DDkShadow = kSystemColor | 21,
                 cl3DLight = kSystemColor | 22, clInfoText = kSystemColor | 23,
                 clInfoBk = kSystemColor | 24;

// The plain 0x00BBGGRR value to draw with: system colours from the application palette
// (an unknown index gives black, as GDI does), every other colour without its flags.
TColor ColorToRGB(TColor color);
QColor ToQColor(TColor color);
TColor FromQColor(const QColor& color);

}  // namespace platform
