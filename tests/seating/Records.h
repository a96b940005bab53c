#pragma once
// Seating files read back word by word, independently of the code that writes them.
#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace seating {

// Round, Table, Round2, North, South, East, West.
using Words = std::array<int, 7>;

inline std::vector<Words> Decode(const std::string& bytes) {
    std::vector<Words> records;
    for (std::size_t at = 0; at + 14 <= bytes.size(); at += 14) {
        Words words{};
        for (std::size_t i = 0; i < 7; ++i)
            words[i] = static_cast<unsigned char>(bytes[at + 2 * i]) |
                       static_cast<unsigned char>(bytes[at + 2 * i + 1]) << 8;
        records.push_back(words);
    }
    return records;
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The worked example: tables 1 and 2 seating 1 2 3 4 and 5 6 7 8, 8 rounds each.
inline const std::vector<Words> kWorkedExample = {
    {1, 1, 1, 1, 2, 3, 4}, {2, 1, 2, 2, 3, 4, 5}, {3, 1, 3, 3, 4, 5, 6}, {4, 1, 4, 4, 5, 6, 7},
    {5, 1, 5, 5, 6, 7, 8}, {6, 1, 6, 6, 7, 8, 1}, {7, 1, 7, 7, 8, 1, 2}, {8, 1, 8, 8, 1, 2, 3},
    {1, 2, 1, 5, 6, 7, 8}, {2, 2, 2, 6, 7, 8, 1}, {3, 2, 3, 7, 8, 1, 2}, {4, 2, 4, 8, 1, 2, 3},
    {5, 2, 5, 1, 2, 3, 4}, {6, 2, 6, 2, 3, 4, 5}, {7, 2, 7, 3, 4, 5, 6}, {8, 2, 8, 4, 5, 6, 7}};

}  // namespace seating
