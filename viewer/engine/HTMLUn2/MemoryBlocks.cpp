#include "HTMLUn2/MemoryBlocks.h"

#include <sys/mman.h>

#include <cstdlib>

#include "platform/Errors.h"

AllocRec::~AllocRec() {
    if (Handle) ::munmap(Handle, static_cast<std::size_t>(Size));
    else std::free(Memory);
}

std::unique_ptr<AllocRec> AllocBlock(std::int32_t size) {
    if (size < 0) throw platform::EOutOfResources("Out of memory");
    auto block = std::make_unique<AllocRec>();
    block->Size = size;
    if (size >= kLargeBlockSize) {
        void* mapping = ::mmap(nullptr, static_cast<std::size_t>(size), PROT_READ | PROT_WRITE,
                               MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (mapping == MAP_FAILED) throw platform::EAbort();
        block->Handle = mapping;
        block->Memory = mapping;
    } else {
        block->Memory = std::malloc(size > 0 ? static_cast<std::size_t>(size) : 1);
        if (!block->Memory) throw platform::EOutOfResources("Out of memory");
    }
    return block;
}

void FreeBlock(std::unique_ptr<AllocRec>& block) { block.reset(); }
