#pragma once
// Raw memory blocks for picture rows. Large blocks come straight from the system (mmap) so
// that they go back to it whole when freed; small ones from the heap.
#include <cstdint>
#include <memory>

struct AllocRec {
    void* Memory = nullptr;
    std::int32_t Size = 0;
    void* Handle = nullptr;  // the system mapping of a large block; none for a small one
    ~AllocRec();
};

constexpr std::int32_t kLargeBlockSize = 65280;

// A refused system allocation ends the operation silently (EAbort); a refused heap
// allocation raises the out-of-memory error.
std::unique_ptr<AllocRec> AllocBlock(std::int32_t size);
void FreeBlock(std::unique_ptr<AllocRec>& block);
