#pragma once
// Collects small writes into large ones, so that writing many records costs few system calls.
#include <cstddef>
#include <vector>

#include "Streams.h"

namespace platform {

class BufferedWriter {
public:
    explicit BufferedWriter(Stream& out, std::size_t capacity = 1 << 16);
    void Write(const void* data, std::size_t count);
    // Hands the collected bytes to the stream; also needed before the stream is used directly.
    void Flush();

private:
    Stream& out_;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
};

}  // namespace platform
