#include "Decode.h"

#include <gtest/gtest.h>

#include <fstream>

namespace imagelib_test {

namespace {
// The viewer passes these; the library must not depend on them.
constexpr std::uint8_t kDepth = 24;
constexpr std::uint8_t kOption = 1;
}  // namespace

const char* nameOf(Format format) {
    switch (format) {
        case Format::Png:
            return "png";
        case Format::Jpeg:
            return "jpeg";
        case Format::Gif:
            return "gif";
        default:
            return "bmp";
    }
}

Decoded decodeBytes(Format format, const Bytes& data, IldaProgress progress) {
    IldaBitmap* picture = nullptr;
    void* palette = nullptr;
    const auto size = static_cast<std::int32_t>(data.size());
    std::int16_t result = 0;
    switch (format) {
        case Format::Png:
            result =
                rpngstream(data.data(), size, kDepth, kOption, &picture, &palette, progress, 0);
            break;
        case Format::Jpeg:
            result =
                rjpgstream(data.data(), size, kDepth, 1, kOption, &picture, &palette, progress, 0);
            break;
        case Format::Gif:
            result = rgifstream(data.data(), size, kDepth, kOption, &picture, &palette, progress, 0,
                                "lzw");
            break;
        case Format::Bmp:
            result =
                rbmpstream(data.data(), size, kDepth, kOption, &picture, &palette, progress, 0);
            break;
    }
    EXPECT_EQ(result != 0, picture != nullptr) << "the answer and the picture must agree";
    return Decoded(picture);
}

Decoded decodeFile(Format format, const std::string& fileName, IldaProgress progress) {
    IldaBitmap* picture = nullptr;
    void* palette = nullptr;
    const char* name = fileName.c_str();
    std::int16_t result = 0;
    switch (format) {
        case Format::Png:
            result = rpng(name, kDepth, kOption, &picture, &palette, progress, 0);
            break;
        case Format::Jpeg:
            result = rjpg(name, kDepth, kOption, &picture, &palette, progress, 0);
            break;
        case Format::Gif:
            result = rgif(name, kDepth, kOption, &picture, &palette, progress, 0, "lzw");
            break;
        case Format::Bmp:
            result = rbmp(name, kDepth, kOption, &picture, &palette, progress, 0);
            break;
    }
    EXPECT_EQ(result != 0, picture != nullptr) << "the answer and the picture must agree";
    return Decoded(picture);
}

TempFile::TempFile(const Bytes& data, const std::string& name)
    : path_(std::filesystem::path(::testing::TempDir()) / name) {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()),
              static_cast<std::streamsize>(data.size()));
}

TempFile::~TempFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
}

}  // namespace imagelib_test
