#include "imagelib/Progress.h"

namespace imagelib {

namespace {
// Often enough for a responsive window, rarely enough to cost nothing next to the decode.
constexpr std::size_t kBytesPerCall = 64 * 1024;
constexpr std::size_t kRowsPerCall = 256;
}  // namespace

bool Progress::advance(std::size_t rows, std::size_t rowBytes) {
    if (stopped_) return false;
    if (callback_ == nullptr) return true;
    rows_ += rows;
    bytes_ += rows * rowBytes;
    if (rows_ < kRowsPerCall && bytes_ < kBytesPerCall) return true;
    rows_ = 0;
    bytes_ = 0;
    stopped_ = callback_() == 0;
    return !stopped_;
}

}  // namespace imagelib
