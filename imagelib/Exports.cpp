// The nine functions the viewer looks up by name. Every one catches everything: nothing may
// escape into a caller that knows only C.
#include "imagelib/Exports.h"

#include <type_traits>

#include "imagelib/Decoders.h"
#include "imagelib/FileBytes.h"

namespace {

using imagelib::Bytes;
using Decoder = imagelib::Picture (*)(Bytes, imagelib::Progress&);

// The colour depth, the decode option, the palette and the trailing arguments do not change
// the result: every picture is 32-bit, and on 8-bit screens the viewer maps it itself.
std::int16_t decodeStream(Decoder decode, const void* data, std::int32_t size, IldaBitmap** bitmap,
                          IldaProgress progress) noexcept {
    if (bitmap == nullptr) return 0;
    *bitmap = nullptr;
    if (data == nullptr || size <= 0) return 0;
    try {
        imagelib::Progress ticks(progress);
        imagelib::Picture picture = decode(
            Bytes(static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(size)), ticks);
        if (!picture) return 0;
        *bitmap = picture.release();
        return 1;
    } catch (...) {
        return 0;
    }
}

std::int16_t decodeFile(Decoder decode, const char* fileName, IldaBitmap** bitmap,
                        IldaProgress progress) noexcept {
    if (bitmap == nullptr) return 0;
    *bitmap = nullptr;
    try {
        const auto bytes = imagelib::readFileBytes(fileName);
        if (!bytes || bytes->empty()) return 0;
        return decodeStream(decode, bytes->data(), static_cast<std::int32_t>(bytes->size()), bitmap,
                            progress);
    } catch (...) {
        return 0;
    }
}

}  // namespace

extern "C" {

std::int16_t rbmp(const char* fileName, std::uint8_t, std::uint8_t, IldaBitmap** bitmap, void**,
                  IldaProgress progress, std::int16_t) {
    return decodeFile(imagelib::decodeBmp, fileName, bitmap, progress);
}

std::int16_t rjpg(const char* fileName, std::uint8_t, std::uint8_t, IldaBitmap** bitmap, void**,
                  IldaProgress progress, std::int16_t) {
    return decodeFile(imagelib::decodeJpeg, fileName, bitmap, progress);
}

std::int16_t rpng(const char* fileName, std::uint8_t, std::uint8_t, IldaBitmap** bitmap, void**,
                  IldaProgress progress, std::int16_t) {
    return decodeFile(imagelib::decodePng, fileName, bitmap, progress);
}

std::int16_t rgif(const char* fileName, std::uint8_t, std::uint8_t, IldaBitmap** bitmap, void**,
                  IldaProgress progress, std::int16_t, const char*) {
    return decodeFile(imagelib::decodeGif, fileName, bitmap, progress);
}

std::int16_t rbmpstream(const void* data, std::int32_t size, std::uint8_t, std::uint8_t,
                        IldaBitmap** bitmap, void**, IldaProgress progress, std::int16_t) {
    return decodeStream(imagelib::decodeBmp, data, size, bitmap, progress);
}

std::int16_t rpngstream(const void* data, std::int32_t size, std::uint8_t, std::uint8_t,
                        IldaBitmap** bitmap, void**, IldaProgress progress, std::int16_t) {
    return decodeStream(imagelib::decodePng, data, size, bitmap, progress);
}

std::int16_t rjpgstream(const void* data, std::int32_t size, std::uint8_t, std::int32_t,
                        std::uint8_t, IldaBitmap** bitmap, void**, IldaProgress progress,
                        std::int16_t) {
    return decodeStream(imagelib::decodeJpeg, data, size, bitmap, progress);
}

std::int16_t rgifstream(const void* data, std::int32_t size, std::uint8_t, std::uint8_t,
                        IldaBitmap** bitmap, void**, IldaProgress progress, std::int16_t,
                        const char*) {
    return decodeStream(imagelib::decodeGif, data, size, bitmap, progress);
}

void ilda_free(IldaBitmap* bitmap) { imagelib::freePicture(bitmap); }

}  // extern "C"

// The viewer calls through these types; a mismatch here would break it silently at run time.
static_assert(std::is_same_v<decltype(&rbmp), IldaFileDecoder>);
static_assert(std::is_same_v<decltype(&rjpg), IldaFileDecoder>);
static_assert(std::is_same_v<decltype(&rpng), IldaFileDecoder>);
static_assert(std::is_same_v<decltype(&rgif), IldaGifFileDecoder>);
static_assert(std::is_same_v<decltype(&rbmpstream), IldaStreamDecoder>);
static_assert(std::is_same_v<decltype(&rpngstream), IldaStreamDecoder>);
static_assert(std::is_same_v<decltype(&rjpgstream), IldaJpegStreamDecoder>);
static_assert(std::is_same_v<decltype(&rgifstream), IldaGifStreamDecoder>);
static_assert(std::is_same_v<decltype(&ilda_free), IldaFree>);
