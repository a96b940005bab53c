#pragma once
// The call interface of the image library, a shared object that the viewer loads at run time
// by its file name. Each decoder hands back a new picture through *bitmap and answers 1 or
// more on success, 0 on failure (then *bitmap stays null). The caller owns the picture and
// returns it with ilda_free.
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define ILDA_FILE_NAME "ILDA32T.so"

// A decoded picture: width x height pixels, rows top to bottom, each pixel 0xAARRGGBB
// (alpha 255 where the picture is opaque).
typedef struct IldaBitmap {
    int32_t width;
    int32_t height;
    uint32_t* pixels;
} IldaBitmap;

// Asked during long decodes; answering 0 stops the decode (which then fails).
typedef int32_t (*IldaProgress)(void);

// depth: the wanted colour depth (4, 8 or 24); option: the decode option (1); palette: the
// palette to map onto on 8-bit screens (none elsewhere, and left as it is); zero: always 0;
// lzw: "lzw".
typedef int16_t (*IldaFileDecoder)(const char* fileName, uint8_t depth, uint8_t option,
                                   IldaBitmap** bitmap, void** palette, IldaProgress progress,
                                   int16_t zero);
typedef int16_t (*IldaGifFileDecoder)(const char* fileName, uint8_t depth, uint8_t option,
                                      IldaBitmap** bitmap, void** palette, IldaProgress progress,
                                      int16_t zero, const char* lzw);
typedef int16_t (*IldaStreamDecoder)(const void* data, int32_t size, uint8_t depth, uint8_t option,
                                     IldaBitmap** bitmap, void** palette, IldaProgress progress,
                                     int16_t zero);
typedef int16_t (*IldaJpegStreamDecoder)(const void* data, int32_t size, uint8_t depth, int32_t one,
                                         uint8_t option, IldaBitmap** bitmap, void** palette,
                                         IldaProgress progress, int16_t zero);
typedef int16_t (*IldaGifStreamDecoder)(const void* data, int32_t size, uint8_t depth, uint8_t option,
                                        IldaBitmap** bitmap, void** palette, IldaProgress progress,
                                        int16_t zero, const char* lzw);
typedef void (*IldaFree)(IldaBitmap* bitmap);

// Exported names: "rbmp", "rjpg", "rpng" (IldaFileDecoder), "rgif" (IldaGifFileDecoder),
// "rbmpstream", "rpngstream" (IldaStreamDecoder), "rjpgstream" (IldaJpegStreamDecoder),
// "rgifstream" (IldaGifStreamDecoder), "ilda_free" (IldaFree).

#ifdef __cplusplus
}
#endif
