#include "SeatingFile.h"

#include <bit>
#include <cstring>

#include "platform/BufferedWriter.h"
#include "platform/ReplacingFile.h"

namespace seating {

SeatingRecord FirstRound(int table) {
    SeatingRecord record;
    record.Round = 1;
    record.Table = static_cast<std::uint16_t>(table);
    record.Round2 = 1;
    return record;
}

void BuildGroups(std::vector<SeatingRecord>& Seating, const SeatingCounts& counts) {
    const std::size_t tables = static_cast<std::size_t>(counts.TableCount);
    const std::size_t all = tables * static_cast<std::size_t>(counts.GroupCount);
    for (std::size_t k = tables; k < all; ++k) {
        Seating[k] = FirstRound(static_cast<int>(k) + 1);
        for (auto seat : kSeats)
            Seating[k].*seat =
                static_cast<std::uint16_t>(Seating[k - tables].*seat + counts.PlayerCount);
    }
}

std::uint16_t Rotate(std::uint16_t player, int low, int high) {
    if (player == high) return static_cast<std::uint16_t>(low + 1);
    if (player < high) return static_cast<std::uint16_t>(player + 1);
    return player;
}

void Advance(SeatingRecord& record, int low, int high) {
    ++record.Round;
    ++record.Round2;
    // Seat by seat by name, so that the record stays in registers in the writing loop.
    record.North = Rotate(record.North, low, high);
    record.South = Rotate(record.South, low, high);
    record.East = Rotate(record.East, low, high);
    record.West = Rotate(record.West, low, high);
}

namespace {

// A word in the file's byte order, low byte first. On a little-endian machine one plain store:
// the byte-wise form costs the largest file a third of its writing time.
void PutWord(std::uint8_t* at, std::uint16_t word) {
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(at, &word, 2);
    } else {
        at[0] = static_cast<std::uint8_t>(word & 0xFF);
        at[1] = static_cast<std::uint8_t>(word >> 8);
    }
}

}  // namespace

void EncodeRecord(const SeatingRecord& record, std::uint8_t* bytes) {
    PutWord(bytes, record.Round);
    PutWord(bytes + 2, record.Table);
    PutWord(bytes + 4, record.Round2);
    PutWord(bytes + 6, record.North);
    PutWord(bytes + 8, record.South);
    PutWord(bytes + 10, record.East);
    PutWord(bytes + 12, record.West);
}

namespace {

// Every round of every table of one group, encoded together and handed to the writer at
// once: a large group goes straight to the disk without a second copy, small ones are
// gathered by the writer.
void WriteGroup(platform::BufferedWriter& writer, const SeatingRecord* tables,
                const SeatingCounts& counts, int low, std::vector<std::uint8_t>& bytes) {
    const int high = low + counts.MoverCount;
    std::uint8_t* at = bytes.data();
    for (int table = 0; table < counts.TableCount; ++table) {
        SeatingRecord record = tables[table];
        for (int round = 1; round <= counts.MoverCount; ++round, at += kRecordSize) {
            EncodeRecord(record, at);
            Advance(record, low, high);
        }
    }
    writer.Write(bytes.data(), bytes.size());
}

}  // namespace

void WriteSeating(platform::Stream& out, const std::vector<SeatingRecord>& Seating,
                  const SeatingCounts& counts) {
    platform::BufferedWriter writer(out);
    const auto tables = static_cast<std::size_t>(counts.TableCount);
    std::vector<std::uint8_t> bytes(tables * static_cast<std::size_t>(counts.MoverCount) *
                                    kRecordSize);
    for (int group = 0; group < counts.GroupCount; ++group)
        WriteGroup(writer, Seating.data() + static_cast<std::size_t>(group) * tables, counts,
                   group * counts.PlayerCount, bytes);
    writer.Flush();
}

void WriteSeatingFile(const std::string& fileName, const std::vector<SeatingRecord>& Seating,
                      const SeatingCounts& counts) {
    platform::ReplacingFile file(fileName, platform::ReplacingFile::Holder::Nobody);
    WriteSeating(file.Out(), Seating, counts);
    file.Commit();
}

}  // namespace seating
