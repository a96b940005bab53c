// Decoding a 4000 x 3000 photograph-like JPEG and PNG through our entry points and directly
// with libjpeg-turbo and libpng into an RGBA buffer of the same layout (BGRA bytes, 8 bits,
// the same transforms), in one run; prints the median of several runs of each and the ratio.
// Usage: imagelib_decode [runs]
// jpeglib.h needs FILE and size_t declared first.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on
#include <png.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

#include "TestPictures.h"
#include "imagelib/Exports.h"

namespace {

using imagelib_test::Bytes;

constexpr int kWidth = 4000, kHeight = 3000;

std::int32_t goOn() { return 1; }  // the viewer always passes a progress callback

// The pixels of one decode, in a buffer as our pictures have it.
struct Buffer {
    std::uint32_t* pixels = static_cast<std::uint32_t*>(
        std::malloc(std::size_t{kWidth} * kHeight * sizeof(std::uint32_t)));
    ~Buffer() { std::free(pixels); }
    std::uint8_t* row(int y) {
        return reinterpret_cast<std::uint8_t*>(pixels + static_cast<std::size_t>(y) * kWidth);
    }
};

bool directJpeg(const Bytes& data) {
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, data.data(), data.size());
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    Buffer out;
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = out.row(static_cast<int>(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return true;
}

struct Source {
    const Bytes& data;
    std::size_t offset = 0;
};

void readSource(png_structp png, png_bytep out, png_size_t count) {
    auto* source = static_cast<Source*>(png_get_io_ptr(png));
    std::memcpy(out, source->data.data() + source->offset, count);
    source->offset += count;
}

bool directPng(const Bytes& data) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    Source source{data};
    png_set_read_fn(png, &source, readSource);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    Buffer out;
    std::vector<png_bytep> rows(kHeight);
    for (int y = 0; y < kHeight; ++y) rows[y] = out.row(y);
    png_read_image(png, rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

bool oursJpeg(const Bytes& data) {
    IldaBitmap* picture = nullptr;
    void* palette = nullptr;
    const bool ok = rjpgstream(data.data(), static_cast<std::int32_t>(data.size()), 24, 1, 1,
                               &picture, &palette, goOn, 0) == 1;
    ilda_free(picture);
    return ok;
}

bool oursPng(const Bytes& data) {
    IldaBitmap* picture = nullptr;
    void* palette = nullptr;
    const bool ok = rpngstream(data.data(), static_cast<std::int32_t>(data.size()), 24, 1, &picture,
                               &palette, goOn, 0) == 1;
    ilda_free(picture);
    return ok;
}

double seconds(const std::function<bool()>& decode) {
    const auto start = std::chrono::steady_clock::now();
    if (!decode()) {
        std::fprintf(stderr, "decode failed\n");
        std::exit(1);
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Alternates the two decoders run by run, so that both meet the same machine state.
void compare(const char* format, const Bytes& data, bool (*ours)(const Bytes&),
             bool (*direct)(const Bytes&), int runs) {
    std::vector<double> oursTimes, directTimes;
    seconds([&] { return ours(data); });  // warm caches and the allocator
    for (int i = 0; i < runs; ++i) {
        oursTimes.push_back(seconds([&] { return ours(data); }));
        directTimes.push_back(seconds([&] { return direct(data); }));
    }
    const double o = median(oursTimes), d = median(directTimes);
    std::printf("%-5s %9zu bytes   ours %7.1f ms   direct %7.1f ms   ratio %.3f\n", format,
                data.size(), o * 1000, d * 1000, o / d);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const imagelib_test::Image photo = imagelib_test::photo(kWidth, kHeight, 1);
    const Bytes jpeg = imagelib_test::encodeJpeg(photo, imagelib_test::JpegKind::Colour, 90);
    const Bytes png = imagelib_test::encodePng(photo, imagelib_test::PngKind::Rgb8);
    std::printf("%d x %d, median of %d runs\n", kWidth, kHeight, runs);
    compare("jpeg", jpeg, oursJpeg, directJpeg, runs);
    compare("png", png, oursPng, directPng, runs);
    return 0;
}
