#include <gtest/gtest.h>

#include "platform/Errors.h"
#include "platform/Numbers.h"

using namespace platform;

TEST(MulDiv, RoundsHalvesAwayFromZero) {
    struct Case { int a, b, c, expected; };
    const Case cases[] = {
        {12, 96, 72, 16}, {10, 96, 72, 13}, {1, 1, 2, 1},   {-1, 1, 2, -1}, {3, 1, -2, -2},
        {5, 1, 3, 2},     {4, 1, 3, 1},     {7, 0, 3, 0},   {1, 1, 0, -1},  {0x7FFFFFFF, 2, 1, -1},
        {0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
}

TEST(StrToInt, ReadsWhatTheConversionAccepts) {
    struct Case { const char* text; int value; };
    const Case cases[] = {{"0", 0},       {"07", 7},          {"  42", 42},        {"-5", -5},
                          {"+5", 5},      {"$1F", 31},        {"0x10", 16},        {"$FFFFFFFF", -1},
                          {"2147483647", 2147483647},         {"-2147483648", -2147483647 - 1}};
    for (const Case& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RefusesWhatIsNoNumber) {
    for (const char* text : {"", " ", "12 ", "1a", "-", "$", "2147483648", "$100000000", "1.5", "١"}) {
        int value = 99;
        EXPECT_FALSE(TryStrToInt(text, value)) << text;
        EXPECT_EQ(value, 99);
        EXPECT_THROW(StrToInt(text), EConvertError) << text;
    }
}

TEST(StrToInt, NamesTheTextInItsError) {
    try {
        StrToInt("abc");
        FAIL();
    } catch (const EConvertError& error) {
        EXPECT_STREQ(error.what(), "'abc' is not a valid integer value");
    }
}
