#pragma once
// The four decoders behind the entry points. Each turns encoded bytes into a new picture, or
// none when the data is damaged, truncated, too large, or the progress callback said stop.
#include <cstdint>
#include <span>

#include "imagelib/Picture.h"
#include "imagelib/Progress.h"

namespace imagelib {

using Bytes = std::span<const std::uint8_t>;

Picture decodePng(Bytes data, Progress& progress);
Picture decodeJpeg(Bytes data, Progress& progress);
Picture decodeGif(Bytes data, Progress& progress);
Picture decodeBmp(Bytes data, Progress& progress);

}  // namespace imagelib
