#pragma once
// Reads a picture file whole, so that the file decoders share the stream decoders.
#include <cstdint>
#include <optional>
#include <vector>

namespace imagelib {

// The longest file name the entry points accept.
inline constexpr std::size_t kMaxFileName = 255;

// The file's bytes; none for a missing, unreadable or overlong name, or a file too large to
// hand to a stream decoder.
std::optional<std::vector<std::uint8_t>> readFileBytes(const char* fileName);

}  // namespace imagelib
