#include "StreamTarget.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return imagelib_fuzz::decodeOnce(
        data, size,
        [](const void* bytes, std::int32_t length, void** palette, IldaBitmap** picture) {
            return rbmpstream(bytes, length, 24, 1, picture, palette, imagelib_fuzz::goOn, 0);
        });
}
