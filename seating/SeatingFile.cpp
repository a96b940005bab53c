#include "SeatingFile.h"

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
            Seating[k].*seat = static_cast<std::uint16_t>(Seating[k - tables].*seat + counts.PlayerCount);
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
    for (auto seat : kSeats) record.*seat = Rotate(record.*seat, low, high);
}

void EncodeRecord(const SeatingRecord& record, std::uint8_t* bytes) {
    const std::uint16_t words[] = {record.Round, record.Table, record.Round2, record.North,
                                   record.South, record.East,  record.West};
    for (std::uint16_t word : words) {
        *bytes++ = static_cast<std::uint8_t>(word & 0xFF);
        *bytes++ = static_cast<std::uint8_t>(word >> 8);
    }
}

void WriteSeating(platform::Stream& out, const std::vector<SeatingRecord>& Seating, const SeatingCounts& counts) {
    platform::BufferedWriter writer(out);
    std::uint8_t bytes[kRecordSize];
    std::size_t k = 0;
    for (int group = 1; group <= counts.GroupCount; ++group) {
        const int low = (group - 1) * counts.PlayerCount;
        const int high = low + counts.MoverCount;
        for (int table = 1; table <= counts.TableCount; ++table, ++k) {
            SeatingRecord record = Seating[k];
            for (int round = 1; round <= counts.MoverCount; ++round) {
                EncodeRecord(record, bytes);
                writer.Write(bytes, kRecordSize);
                Advance(record, low, high);
            }
        }
    }
    writer.Flush();
}

void WriteSeatingFile(const std::string& fileName, const std::vector<SeatingRecord>& Seating,
                      const SeatingCounts& counts) {
    platform::ReplacingFile file(fileName, platform::ReplacingFile::Holder::Nobody);
    WriteSeating(file.Out(), Seating, counts);
    file.Commit();
}

}  // namespace seating
