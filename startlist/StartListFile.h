#pragma once
// The start list on disk: one 62-byte record per pair, in pair-number order, no header.
// Each record holds the name (a length byte and 40 characters) and the club (a length byte and
// 20 characters). The six Norwegian letters are stored with their DOS codes.
#include <cstdint>
#include <string>

namespace startlist {

constexpr int kRecordSize = 62;
constexpr int kNameCapacity = 40;
constexpr int kClubCapacity = 20;
constexpr int kTableSize = 2 * kRecordSize;  // two pairs sit at each table
constexpr int kMaxTables = 99;

struct PairEntry {
    std::string name;  // Windows-1252
    std::string club;
};

// Window code page to file code page and back, one byte at a time, in place.
void ToDosLetters(std::string& text);
void ToWindowLetters(std::string& text);

// A length byte beyond its field's capacity is read as the capacity: nothing outside the
// record is ever read.
PairEntry DecodeRecord(const std::uint8_t* record);
// Texts longer than their fields are cut; unused bytes are zero.
void EncodeRecord(const PairEntry& entry, std::uint8_t* record);

}  // namespace startlist
