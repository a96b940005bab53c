// jpeglib.h needs FILE and size_t declared first.
// clang-format off
#include <cstdio>
#include <jpeglib.h>
// clang-format on

#include <cstdlib>
#include <vector>

#include "TestPictures.h"

namespace imagelib_test {

namespace {

J_COLOR_SPACE inputSpace(JpegKind kind) {
    switch (kind) {
        case JpegKind::Grey:
        case JpegKind::ManyScans:
            return JCS_GRAYSCALE;
        case JpegKind::Cmyk:
            return JCS_CMYK;
        default:
            return JCS_RGB;
    }
}

// CMYK as Photoshop stores it (255 = no ink): no black ink, so C, M, Y carry R, G, B.
Bytes rowOf(const Image& image, int y, JpegKind kind) {
    Bytes row;
    for (int x = 0; x < image.width; ++x) {
        const std::uint32_t p = image.at(x, y);
        row.push_back(static_cast<std::uint8_t>(p >> 16));
        if (inputSpace(kind) == JCS_GRAYSCALE) continue;
        row.push_back(static_cast<std::uint8_t>(p >> 8));
        row.push_back(static_cast<std::uint8_t>(p));
        if (kind == JpegKind::Cmyk) row.push_back(255);
    }
    return row;
}

// The DC scan, then each AC coefficient alone at half precision, then each refined.
std::vector<jpeg_scan_info> manyScans() {
    std::vector<jpeg_scan_info> scans{{1, {0}, 0, 0, 0, 0}};
    for (int refine = 0; refine < 2; ++refine) {
        for (int k = 1; k < 64; ++k) scans.push_back({1, {0}, k, k, refine, 1 - refine});
    }
    return scans;
}

}  // namespace

Bytes encodeJpeg(const Image& image, JpegKind kind, int quality) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.in_color_space = inputSpace(kind);
    cinfo.input_components = inputSpace(kind) == JCS_GRAYSCALE ? 1 : kind == JpegKind::Cmyk ? 4 : 3;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    if (kind == JpegKind::Progressive) jpeg_simple_progression(&cinfo);
    const std::vector<jpeg_scan_info> scans = manyScans();
    if (kind == JpegKind::ManyScans) {
        cinfo.scan_info = scans.data();
        cinfo.num_scans = static_cast<int>(scans.size());
    }
    jpeg_start_compress(&cinfo, TRUE);
    for (int y = 0; y < image.height; ++y) {
        Bytes row = rowOf(image, y, kind);
        JSAMPROW pointer = row.data();
        jpeg_write_scanlines(&cinfo, &pointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return out;
}

}  // namespace imagelib_test
