// The seating file on its own: the rotation, the records' bytes, the groups and the order.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "Records.h"
#include "platform/Streams.h"
#include "seating/SeatingFile.h"

namespace seating {
namespace {

SeatingCounts Counts(int tables, int sitters, int groups) {
    return {tables, sitters, groups, 4 * tables, 4 * tables - sitters};
}

// The first round of group 1 from rows of four players; the other groups are built from it.
std::vector<SeatingRecord> Build(const std::vector<std::array<int, 4>>& firstRound,
                                 const SeatingCounts& counts) {
    std::vector<SeatingRecord> Seating(
        static_cast<std::size_t>(counts.TableCount * counts.GroupCount));
    for (std::size_t t = 0; t < firstRound.size(); ++t) {
        Seating[t] = FirstRound(static_cast<int>(t) + 1);
        for (std::size_t seat = 0; seat < 4; ++seat)
            Seating[t].*kSeats[seat] = static_cast<std::uint16_t>(firstRound[t][seat]);
    }
    BuildGroups(Seating, counts);
    return Seating;
}

std::vector<Words> Written(const std::vector<std::array<int, 4>>& firstRound,
                           const SeatingCounts& counts) {
    platform::MemoryStream out;
    WriteSeating(out, Build(firstRound, counts), counts);
    const auto& bytes = out.Bytes();
    return Decode(std::string(bytes.begin(), bytes.end()));
}

const std::vector<std::array<int, 4>> kTwoTables = {{1, 2, 3, 4}, {5, 6, 7, 8}};

// In every round of a group, each of its players sits exactly once.
void ExpectEveryPlayerOncePerRound(const std::vector<Words>& records, const SeatingCounts& counts) {
    for (int group = 0; group < counts.GroupCount; ++group) {
        for (int round = 1; round <= counts.MoverCount; ++round) {
            std::multiset<int> players;
            for (const Words& record : records) {
                const bool inGroup = (record[1] - 1) / counts.TableCount == group;
                if (inGroup && record[0] == round) players.insert(record.begin() + 3, record.end());
            }
            std::multiset<int> expected;
            for (int p = 1; p <= counts.PlayerCount; ++p)
                expected.insert(group * counts.PlayerCount + p);
            EXPECT_EQ(players, expected) << "group " << group + 1 << " round " << round;
        }
    }
}

TEST(SeatingFile, RotationMovesUpWrapsAtTheHighestMoverAndLeavesStationaryPlayers) {
    struct Case {
        int player, low, high, expected;
    };
    for (const Case& c : {Case{1, 0, 8, 2}, Case{7, 0, 8, 8}, Case{8, 0, 8, 1}, Case{8, 0, 7, 8},
                          Case{7, 0, 7, 1}, Case{16, 8, 16, 9}, Case{9, 8, 16, 10},
                          Case{12, 0, 9, 12}, Case{40000, 39600, 40000, 39601}})
        EXPECT_EQ(Rotate(static_cast<std::uint16_t>(c.player), c.low, c.high), c.expected)
            << c.player << " in " << c.low << ".." << c.high;
}

TEST(SeatingFile, ARecordIsSevenLittleEndianWords) {
    const SeatingRecord record{400, 10000, 400, 40000, 1, 255, 256};
    std::uint8_t bytes[kRecordSize];
    EncodeRecord(record, bytes);
    const std::vector<std::uint8_t> expected = {0x90, 0x01, 0x10, 0x27, 0x90, 0x01, 0x40,
                                                0x9C, 0x01, 0x00, 0xFF, 0x00, 0x00, 0x01};
    EXPECT_EQ(std::vector<std::uint8_t>(bytes, bytes + kRecordSize), expected);
}

TEST(SeatingFile, TheWorkedExampleRecordByRecord) {
    EXPECT_EQ(Written(kTwoTables, Counts(2, 0, 1)), kWorkedExample);
}

TEST(SeatingFile, OneStationaryPlayerKeepsTheWestSeatWhileOneToSevenRotate) {
    const std::vector<Words> records = Written(kTwoTables, Counts(2, 1, 1));
    ASSERT_EQ(records.size(), 14u);
    EXPECT_EQ(records[0], (Words{1, 1, 1, 1, 2, 3, 4}));
    EXPECT_EQ(records[3], (Words{4, 1, 4, 4, 5, 6, 7}));
    EXPECT_EQ(records[4], (Words{5, 1, 5, 5, 6, 7, 1}));
    EXPECT_EQ(records[7], (Words{1, 2, 1, 5, 6, 7, 8}));
    EXPECT_EQ(records[8], (Words{2, 2, 2, 6, 7, 1, 8}));
    EXPECT_EQ(records[13], (Words{7, 2, 7, 4, 5, 6, 8}));
    for (std::size_t i = 7; i < 14; ++i) EXPECT_EQ(records[i][6], 8) << i;
    ExpectEveryPlayerOncePerRound(records, Counts(2, 1, 1));
}

TEST(SeatingFile, ASecondGroupPlaysTablesThreeAndFourWithPlayersNineToSixteen) {
    const std::vector<Words> records = Written(kTwoTables, Counts(2, 0, 2));
    ASSERT_EQ(records.size(), 32u);
    EXPECT_EQ(std::vector<Words>(records.begin(), records.begin() + 16), kWorkedExample);
    for (std::size_t i = 0; i < 16; ++i) {
        Words shifted = kWorkedExample[i];
        shifted[1] += 2;
        for (std::size_t seat = 3; seat < 7; ++seat) shifted[seat] += 8;
        EXPECT_EQ(records[16 + i], shifted) << "record " << 17 + i;  // 16 wraps to 9, as 8 to 1
    }
    EXPECT_EQ(records[16], (Words{1, 3, 1, 9, 10, 11, 12}));
}

TEST(SeatingFile, StationaryPlayersKeepWhateverSeatTheyStartIn) {
    // Players 10, 11 and 12 sit North, South and East; the movers fill the other seats.
    const SeatingCounts counts = Counts(3, 3, 1);
    const std::vector<Words> records =
        Written({{10, 1, 2, 3}, {4, 11, 5, 6}, {7, 8, 12, 9}}, counts);
    ASSERT_EQ(records.size(), 27u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::size_t table = i / 9;
        EXPECT_EQ(records[i][0], static_cast<int>(i % 9) + 1);
        EXPECT_EQ(records[i][1], static_cast<int>(table) + 1);
        EXPECT_EQ(records[i][2], records[i][0]);
        EXPECT_EQ(records[i][3 + table], 10 + static_cast<int>(table)) << "record " << i + 1;
    }
    EXPECT_EQ(records[1], (Words{2, 1, 2, 10, 2, 3, 4}));
    EXPECT_EQ(records[8], (Words{9, 1, 9, 10, 9, 1, 2}));
    ExpectEveryPlayerOncePerRound(records, counts);
}

TEST(SeatingFile, ThreeGroupsNeverMixTheirPlayers) {
    const SeatingCounts counts = Counts(2, 0, 3);
    const std::vector<Words> records = Written(kTwoTables, counts);
    ASSERT_EQ(records.size(), 48u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int group = static_cast<int>(i / 16);
        EXPECT_EQ(records[i][1], 2 * group + 1 + static_cast<int>(i % 16) / 8);
        for (std::size_t seat = 3; seat < 7; ++seat) {
            EXPECT_GT(records[i][seat], 8 * group);
            EXPECT_LE(records[i][seat], 8 * group + 8);
        }
    }
    ExpectEveryPlayerOncePerRound(records, counts);
}

// Counts the bytes and keeps the last record, so the largest file needs no memory.
class TailStream : public platform::Stream {
  public:
    std::int64_t size = 0;
    std::string last;
    std::size_t Read(void*, std::size_t) override { return 0; }
    void Write(const void* buffer, std::size_t count) override {
        const auto* bytes = static_cast<const char*>(buffer);
        size += static_cast<std::int64_t>(count);
        last = std::string(bytes + count - kRecordSize, bytes + count);
    }
    void Seek(std::int64_t) override {}
    std::int64_t Position() const override { return size; }
    std::int64_t Size() const override { return size; }
    void Truncate() override {}
};

TEST(SeatingFile, TheLargestFileFitsEveryNumberInSixteenBits) {
    const SeatingCounts counts = Counts(100, 0, 100);
    std::vector<std::array<int, 4>> firstRound;
    for (int t = 0; t < 100; ++t)
        firstRound.push_back({4 * t + 1, 4 * t + 2, 4 * t + 3, 4 * t + 4});
    TailStream out;
    WriteSeating(out, Build(firstRound, counts), counts);
    EXPECT_EQ(out.size, 56'000'000);
    // Table 10000 in round 400: its first-round players 39997 to 40000 moved on 399 times.
    EXPECT_EQ(Decode(out.last),
              (std::vector<Words>{{400, 10000, 400, 39996, 39997, 39998, 39999}}));
}

}  // namespace
}  // namespace seating
