#include "Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace platform {
namespace {

bool ToRole(int index, QPalette::ColorRole& role) {
    switch (index) {
        case 5:
            role = QPalette::Base;
            return true;
        case 8:
            role = QPalette::Text;
            return true;
        case 13:
            role = QPalette::Highlight;
            return true;
        case 14:
            role = QPalette::HighlightedText;
            return true;
        case 15:
            role = QPalette::Button;
            return true;
        case 16:
            role = QPalette::Dark;
            return true;
        case 17:
            role = QPalette::PlaceholderText;
            return true;
        case 18:
            role = QPalette::ButtonText;
            return true;
        case 20:
            role = QPalette::Light;
            return true;
        case 21:
            role = QPalette::Shadow;
            return true;
        case 22:
            role = QPalette::Midlight;
            return true;
        case 23:
            role = QPalette::ToolTipText;
            return true;
        case 24:
            role = QPalette::ToolTipBase;
            return true;
        default:
            return false;
    }
}

}  // namespace

TColor ColorToRGB(TColor color) {
    if ((color & 0xFF000000) != kSystemColor) return color & 0x00FFFFFF;
    QPalette::ColorRole role;
    if (!ToRole(static_cast<int>(color & 0xFF), role)) return clBlack;
    return FromQColor(QGuiApplication::palette().color(QPalette::Active, role));
}

QColor ToQColor(TColor color) {
    const TColor rgb = ColorToRGB(color);
    return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

TColor FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

}  // namespace platform
