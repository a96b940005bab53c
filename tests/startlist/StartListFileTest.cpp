#include <gtest/gtest.h>

#include <vector>

#include "startlist/StartListFile.h"

using namespace startlist;

TEST(LetterMapping, ChangesTheSixNorwegianLettersAndNothingElse) {
    std::string text = "\xC5\xC6\xD8\xE5\xE6\xF8 \xE9\xFC\xF6 \x92\x91 abc";
    ToDosLetters(text);
    EXPECT_EQ(text, "\x8F\x92\x9D\x86\x91\x9B \xE9\xFC\xF6 \x92\x91 abc");
    ToWindowLetters(text);
    // The quotes ’ and ‘ share their codes with the DOS Æ and æ, so they come back as letters.
    EXPECT_EQ(text, "\xC5\xC6\xD8\xE5\xE6\xF8 \xE9\xFC\xF6 \xC6\xE6 abc");
}

TEST(LetterMapping, EveryOtherByteIsLeftAsItIs) {
    const std::string six = "\xC5\xC6\xD8\xE5\xE6\xF8\x8F\x92\x9D\x86\x91\x9B";
    for (int byte = 0; byte < 256; ++byte) {
        const std::string original(1, static_cast<char>(byte));
        if (six.find(original) != std::string::npos) continue;
        std::string toDos = original, toWindow = original;
        ToDosLetters(toDos);
        ToWindowLetters(toWindow);
        EXPECT_EQ(toDos, original) << byte;
        EXPECT_EQ(toWindow, original) << byte;
    }
}

TEST(PairRecord, IsLaidOutAsLengthPrefixedFieldsWithZeroesAfterTheText) {
    std::vector<std::uint8_t> record(kRecordSize, 0xEE);
    EncodeRecord({"\xF8la \xC5s", "BK"}, record.data());
    std::vector<std::uint8_t> expected(kRecordSize, 0);
    expected[0] = 6;
    const std::uint8_t name[] = {0x9B, 'l', 'a', ' ', 0x8F, 's'};
    std::copy(std::begin(name), std::end(name), expected.begin() + 1);
    expected[41] = 2;
    expected[42] = 'B';
    expected[43] = 'K';
    EXPECT_EQ(record, expected);
    EXPECT_EQ(DecodeRecord(record.data()).name, "\xF8la \xC5s");
}

TEST(PairRecord, FullAndOverlongTextsAreCutToTheirFields) {
    std::vector<std::uint8_t> record(kRecordSize);
    EncodeRecord({std::string(45, 'n'), std::string(21, 'c')}, record.data());
    EXPECT_EQ(record[0], 40);
    EXPECT_EQ(record[41], 20);
    const PairEntry back = DecodeRecord(record.data());
    EXPECT_EQ(back.name, std::string(40, 'n'));
    EXPECT_EQ(back.club, std::string(20, 'c'));

    EncodeRecord({}, record.data());
    EXPECT_EQ(record, std::vector<std::uint8_t>(kRecordSize, 0));
}

TEST(PairRecord, ALengthBeyondItsFieldIsReadAsTheFieldAndNoFurther) {
    // Exactly one record in its own allocation: a read past it would be caught by the sanitizer.
    std::vector<std::uint8_t> record(kRecordSize, 'x');
    record[0] = 200;
    record[41] = 255;
    const PairEntry entry = DecodeRecord(record.data());
    EXPECT_EQ(entry.name.size(), 40u);
    EXPECT_EQ(entry.club.size(), 20u);
    EXPECT_EQ(entry.name, std::string(40, 'x'));
}
