#include <gtest/gtest.h>

#include "platform/Text.h"

using namespace platform;

TEST(Text, EveryByteSurvivesARoundTripThroughQt) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const QString unicode = ToQString(all);
    ASSERT_EQ(unicode.size(), 255);
    EXPECT_EQ(FromQString(unicode), all);
}

TEST(Text, MapsTheWindowsCodePageCharacters) {
    EXPECT_EQ(ToQString("\x80\x92\x91\xC6\xE6\xF8"), QString::fromUtf8("€’‘Ææø"));
    EXPECT_EQ(FromUtf8("Øst høyt ’"), "\xD8st h\xF8yt \x92");
}

TEST(Text, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    EXPECT_EQ(FromQString(QString::fromUtf8("ł€ж😀")), "?\x80??");
}

TEST(Text, TrimRemovesBlanksAndControlsAtBothEnds) {
    EXPECT_EQ(Trim("  \t Ola Nordmann \r\n"), "Ola Nordmann");
    EXPECT_EQ(Trim("a  b"), "a  b");
    EXPECT_EQ(Trim(" \x01 "), "");
    EXPECT_EQ(Trim("\xF8 "), "\xF8");  // a letter above 127 is no blank
}
