// PNG through libpng. Every colour type and bit depth is turned into 8-bit B, G, R, A bytes,
// which on our little-endian machines are exactly the 0xAARRGGBB pixels of a picture, so
// libpng writes straight into the picture's rows.
#include <png.h>

#include <bit>
#include <csetjmp>
#include <cstring>

#include "imagelib/Decoders.h"

static_assert(std::endian::native == std::endian::little, "BGRA bytes must read as 0xAARRGGBB");

namespace imagelib {

namespace {

struct Source {
    Bytes data;
    std::size_t offset = 0;
};

void readSource(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    if (count > source->data.size() - source->offset) png_error(png, "truncated");
    std::memcpy(out, source->data.data() + source->offset, count);
    source->offset += count;
}

[[noreturn]] void fail(png_structp png, png_const_charp) { png_longjmp(png, 1); }

void ignoreWarning(png_structp, png_const_charp) {}

// Owns libpng's structures for one decode.
class Session {
  public:
    Session() : png_(png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, ignoreWarning)) {
        if (png_ != nullptr) info_ = png_create_info_struct(png_);
    }
    ~Session() { png_destroy_read_struct(&png_, &info_, nullptr); }
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool ready() const { return info_ != nullptr; }
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

  private:
    png_structp png_;
    png_infop info_ = nullptr;
};

// Asks for BGRA8 output whatever the file holds; answers the number of interlace passes.
int requestBgra(png_structp png) {
    png_set_expand(png);  // palette to RGB, small greys to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);  // only where there is no alpha yet
    return png_set_interlace_handling(png);
}

bool readRows(png_structp png, IldaBitmap& picture, int passes, Progress& progress) {
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
    for (int pass = 0; pass < passes; ++pass) {
        for (std::int32_t y = 0; y < picture.height; ++y) {
            png_read_row(png, reinterpret_cast<png_bytep>(pictureRow(picture, y)), nullptr);
            if (!progress.advance(1, rowBytes)) return false;
        }
    }
    return true;
}

// libpng leaves this frame by longjmp on any error, so it holds nothing with a destructor:
// the picture belongs to the caller.
bool decodeInto(Session& session, Source& source, Picture& picture, Progress& progress) {
    png_structp png = session.png();
    png_infop info = session.info();
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_read_fn(png, &source, readSource);
    png_set_user_limits(png, kMaxSide, kMaxSide);
    png_read_info(png, info);
    const int passes = requestBgra(png);
    png_read_update_info(png, info);
    const png_uint_32 width = png_get_image_width(png, info);
    if (png_get_rowbytes(png, info) != static_cast<std::size_t>(width) * 4) return false;
    picture = makePicture(width, png_get_image_height(png, info));
    if (!picture || !readRows(png, *picture, passes, progress)) return false;
    png_read_end(png, nullptr);  // a file cut before its end is refused like any other cut
    return true;
}

}  // namespace

Picture decodePng(Bytes data, Progress& progress) {
    Session session;
    if (!session.ready()) return nullptr;
    Source source{data};
    Picture picture;
    if (!decodeInto(session, source, picture, progress)) return nullptr;
    return picture;
}

}  // namespace imagelib
