#pragma once
// The seating file of an individual tournament, for Rundeverket: one 14-byte record per table
// and round, no header. Records come group by group, table by table, round by round; each is
// seven little-endian 16-bit words: round, table, round again, then the players of North,
// South, East and West.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Stream;
}

namespace seating {

constexpr int kRecordSize = 14;
constexpr int kSeatCount = 4;

struct SeatingRecord {
    std::uint16_t Round = 0;
    std::uint16_t Table = 0;
    std::uint16_t Round2 = 0;  // Rundeverket reads a second round counter, always Round
    std::uint16_t North = 0;
    std::uint16_t South = 0;
    std::uint16_t East = 0;
    std::uint16_t West = 0;
};

// The seats in the order of the grid's columns and of the rotation.
constexpr std::array<std::uint16_t SeatingRecord::*, kSeatCount> kSeats = {
    &SeatingRecord::North, &SeatingRecord::South, &SeatingRecord::East, &SeatingRecord::West};

struct SeatingCounts {
    int TableCount;   // tables per group
    int SitterCount;  // stationary players per group, the highest numbers
    int GroupCount;
    int PlayerCount;  // 4 * TableCount
    int MoverCount;   // PlayerCount - SitterCount, also the number of rounds
};

// The record of a table's first round, before its players are filled in.
SeatingRecord FirstRound(int table);
// Fills groups 2 and up: each table of group g seats the players of the same table of group 1
// moved up by (g - 1) * PlayerCount. Seating holds GroupCount * TableCount records, the first
// TableCount of them group 1's first round.
void BuildGroups(std::vector<SeatingRecord>& Seating, const SeatingCounts& counts);

// The player in a seat one round later: the moving players low + 1 to high go up by one, high
// wrapping round to low + 1; a stationary player (above high) stays.
std::uint16_t Rotate(std::uint16_t player, int low, int high);
// The next round of a table.
void Advance(SeatingRecord& record, int low, int high);
void EncodeRecord(const SeatingRecord& record, std::uint8_t* bytes);

// Every round of every table of every group, each table starting from its record in Seating.
void WriteSeating(platform::Stream& out, const std::vector<SeatingRecord>& Seating,
                  const SeatingCounts& counts);
// Writes beside the file and moves it into place only when all is on the disk, so that a
// failed save leaves no half file that Rundeverket would take for a seating file.
void WriteSeatingFile(const std::string& fileName, const std::vector<SeatingRecord>& Seating,
                      const SeatingCounts& counts);

}  // namespace seating
