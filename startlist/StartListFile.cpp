#include "StartListFile.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace startlist {
namespace {

// Å Æ Ø å æ ø: Windows-1252 code, DOS code.
constexpr std::array<std::pair<unsigned char, unsigned char>, 6> kLetters = {
    {{0xC5, 0x8F}, {0xC6, 0x92}, {0xD8, 0x9D}, {0xE5, 0x86}, {0xE6, 0x91}, {0xF8, 0x9B}}};

void Map(std::string& text, bool toDos) {
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        for (const auto& [window, dos] : kLetters) {
            if (byte == (toDos ? window : dos)) {
                c = static_cast<char>(toDos ? dos : window);
                break;
            }
        }
    }
}

std::string ReadField(const std::uint8_t* field, int capacity) {
    const int length = std::min<int>(field[0], capacity);
    std::string text(reinterpret_cast<const char*>(field + 1), static_cast<std::size_t>(length));
    ToWindowLetters(text);
    return text;
}

void WriteField(std::string text, int capacity, std::uint8_t* field) {
    ToDosLetters(text);
    const std::size_t length = std::min<std::size_t>(text.size(), static_cast<std::size_t>(capacity));
    field[0] = static_cast<std::uint8_t>(length);
    std::memset(field + 1, 0, static_cast<std::size_t>(capacity));
    std::memcpy(field + 1, text.data(), length);
}

}  // namespace

void ToDosLetters(std::string& text) { Map(text, true); }
void ToWindowLetters(std::string& text) { Map(text, false); }

PairEntry DecodeRecord(const std::uint8_t* record) {
    return {ReadField(record, kNameCapacity), ReadField(record + 1 + kNameCapacity, kClubCapacity)};
}

void EncodeRecord(const PairEntry& entry, std::uint8_t* record) {
    WriteField(entry.name, kNameCapacity, record);
    WriteField(entry.club, kClubCapacity, record + 1 + kNameCapacity);
}

}  // namespace startlist
