#pragma once
// The pictures the decoders hand out: bounded in size, allocated only after the bound is
// checked, and freed by ilda_free.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "imagelib/ILDA32T.h"

namespace imagelib {

// Larger pictures are refused: a side over 16384 pixels, or more than 2^25 pixels (128 MiB of
// picture), which is also the most the viewer takes.
inline constexpr std::int64_t kMaxSide = 16384;
inline constexpr std::int64_t kMaxPixels = std::int64_t{1} << 25;

bool fitsBounds(std::int64_t width, std::int64_t height);

void freePicture(IldaBitmap* picture) noexcept;

struct PictureDeleter {
    void operator()(IldaBitmap* picture) const noexcept { freePicture(picture); }
};
using Picture = std::unique_ptr<IldaBitmap, PictureDeleter>;

// A picture of transparent black pixels; none when a side is out of bounds or memory is short.
Picture makePicture(std::int64_t width, std::int64_t height) noexcept;

inline std::uint32_t* pictureRow(IldaBitmap& picture, std::int64_t y) {
    return picture.pixels + static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width);
}

}  // namespace imagelib
