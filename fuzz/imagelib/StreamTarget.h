#pragma once
// What every picture fuzz target does with its input: decode it as the viewer would, read the
// first and the last pixel of the result (so that a size that does not match the allocation
// shows as a bad read), free it.
#include <cstddef>
#include <cstdint>
#include <limits>

#include "imagelib/Exports.h"

namespace imagelib_fuzz {

inline std::int32_t goOn() { return 1; }

// Keeps the pixel reads from being optimised away.
inline volatile std::uint32_t sink;

template <typename Decode>
int decodeOnce(const std::uint8_t* data, std::size_t size, Decode decode) {
    if (size > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) return 0;
    IldaBitmap* picture = nullptr;
    void* palette = nullptr;
    if (decode(data, static_cast<std::int32_t>(size), &palette, &picture) && picture != nullptr) {
        const std::size_t count = static_cast<std::size_t>(picture->width) * picture->height;
        sink = picture->pixels[0] ^ picture->pixels[count - 1];
    }
    ilda_free(picture);
    return 0;
}

}  // namespace imagelib_fuzz
