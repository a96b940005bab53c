#include "imagelib/Picture.h"

#include <cstdlib>
#include <new>

namespace imagelib {

bool fitsBounds(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
}

void freePicture(IldaBitmap* picture) noexcept {
    if (picture == nullptr) return;
    std::free(picture->pixels);
    delete picture;
}

Picture makePicture(std::int64_t width, std::int64_t height) noexcept {
    if (!fitsBounds(width, height)) return nullptr;
    Picture picture(new (std::nothrow) IldaBitmap{static_cast<std::int32_t>(width),
                                                  static_cast<std::int32_t>(height), nullptr});
    if (!picture) return nullptr;
    // calloc: the large ones come as fresh zero pages, so a header that lies about its size
    // costs address space only until its data runs out.
    picture->pixels = static_cast<std::uint32_t*>(std::calloc(
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height), sizeof(std::uint32_t)));
    if (picture->pixels == nullptr) return nullptr;
    return picture;
}

}  // namespace imagelib
