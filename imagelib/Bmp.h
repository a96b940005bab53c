#pragma once
// What the BMP header reader shares with the run-length decoder.
#include <cstdint>
#include <vector>

#include "imagelib/Decoders.h"

namespace imagelib::bmp {

// Colours of an indexed picture as 0xAARRGGBB; an index beyond them shows as opaque black.
class Palette {
  public:
    explicit Palette(std::vector<std::uint32_t> colours) : colours_(std::move(colours)) {}
    std::uint32_t operator[](unsigned index) const {
        return index < colours_.size() ? colours_[index] : 0xFF000000u;
    }

  private:
    std::vector<std::uint32_t> colours_;
};

// Fills the picture from RLE8 (bitsPerIndex 8) or RLE4 (4) data, which is always stored bottom
// row first. Pixels that the data skips stay transparent. False for data that ends before its
// end-of-bitmap escape (it was cut), or when progress says stop.
bool decodeRle(Bytes data, int bitsPerIndex, const Palette& palette, IldaBitmap& picture,
               Progress& progress);

}  // namespace imagelib::bmp
