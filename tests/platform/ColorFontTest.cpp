#include <gtest/gtest.h>

#include <QFontInfo>
#include <QGuiApplication>
#include <QPalette>

#include "platform/Color.h"
#include "platform/Font.h"

using namespace platform;

TEST(Color, PlainColoursAreBlueGreenRedWithoutTheirFlags) {
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x563412u);
    EXPECT_EQ(ColorToRGB(kPaletteRelative | 0x563412), 0x563412u);
    EXPECT_EQ(ToQColor(kPaletteRelative | RGB(1, 2, 3)), QColor(1, 2, 3));
    EXPECT_EQ(FromQColor(QColor(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(clRed, RGB(255, 0, 0));
    EXPECT_EQ(clNavy, RGB(0, 0, 128));
}

TEST(Color, SystemColoursFollowTheApplicationPaletteWhenDrawn) {
    const QPalette saved = QGuiApplication::palette();
    const std::pair<TColor, QPalette::ColorRole> cases[] = {
        {clBtnFace, QPalette::Button},      {clBtnText, QPalette::ButtonText},
        {clBtnShadow, QPalette::Dark},      {clBtnHighlight, QPalette::Light},
        {clWindow, QPalette::Base},         {clWindowText, QPalette::Text},
        {clHighlight, QPalette::Highlight}, {clHighlightText, QPalette::HighlightedText},
    };
    QPalette palette = saved;
    int shade = 10;
    for (const auto& [color, role] : cases) palette.setColor(role, QColor(shade++, 100, 200));
    QGuiApplication::setPalette(palette);
    shade = 10;
    for (const auto& [color, role] : cases)
        EXPECT_EQ(ColorToRGB(color), RGB(shade++, 100, 200)) << role;
    EXPECT_EQ(ColorToRGB(kSystemColor | 99), clBlack);  // no such system colour
    QGuiApplication::setPalette(saved);
}

TEST(Font, PixelHeightIsThePointSizeAt96PixelsPerInch) {
    const std::pair<int, int> cases[] = {{7, 9}, {8, 11}, {9, 12}, {10, 13}, {12, 16}, {36, 48}};
    Font font;
    for (const auto& [points, pixels] : cases) {
        font.SetSize(points);
        EXPECT_EQ(font.Height(), pixels) << points;
    }
}

TEST(Font, NotifiesEveryRealChangeAndEveryAssignButNotItsCopies) {
    Font font;
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.SetName("Times New Roman");
    font.SetSize(14);
    font.SetStyle(fsBold | fsItalic);
    font.SetColor(clRed);
    font.SetCharset(0);
    EXPECT_EQ(changes, 5);
    font.SetSize(14);  // unchanged
    EXPECT_EQ(changes, 5);

    Font copy = font;
    EXPECT_FALSE(copy.OnChange);
    copy.SetSize(20);
    EXPECT_EQ(changes, 5);
    font.Assign(copy);
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(font.Size(), 20);
    EXPECT_EQ(font.Name(), "Times New Roman");
    EXPECT_EQ(font.Style(), fsBold | fsItalic);
    EXPECT_EQ(font.Color(), clRed);
}

TEST(Font, BecomesAQtFontOfItsStyleInTheStandInFace) {
    Font font;
    font.SetName("Arial");
    font.SetSize(12);
    font.SetStyle(fsBold | fsItalic | fsUnderline | fsStrikeOut);
    const QFont qfont = font.ToQFont();
    EXPECT_EQ(qfont.pixelSize(), 16);
    EXPECT_TRUE(qfont.bold());
    EXPECT_TRUE(qfont.italic());
    EXPECT_TRUE(qfont.underline());
    EXPECT_TRUE(qfont.strikeOut());
    EXPECT_EQ(QFontInfo(qfont).family(), "Liberation Sans");
}
