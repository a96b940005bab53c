#include "BufferedWriter.h"

#include <cstring>

namespace platform {

BufferedWriter::BufferedWriter(Stream& out, std::size_t capacity) : out_(out), buffer_(capacity) {}

void BufferedWriter::Write(const void* data, std::size_t count) {
    if (used_ + count > buffer_.size()) Flush();
    if (count >= buffer_.size()) {
        out_.Write(data, count);
        return;
    }
    std::memcpy(buffer_.data() + used_, data, count);
    used_ += count;
}

void BufferedWriter::Flush() {
    if (used_ == 0) return;
    out_.Write(buffer_.data(), used_);
    used_ = 0;
}

}  // namespace platform
