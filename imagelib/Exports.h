#pragma once
// The nine entry points, for the programs that link the library instead of loading it (tests,
// fuzz targets, benchmarks). Their types are the ones of ILDA32T.h.
#include "imagelib/ILDA32T.h"

#define ILDA_EXPORT __attribute__((visibility("default")))

#ifdef __cplusplus
extern "C" {
#endif

ILDA_EXPORT int16_t rbmp(const char* fileName, uint8_t depth, uint8_t option, IldaBitmap** bitmap,
                         void** palette, IldaProgress progress, int16_t zero);
ILDA_EXPORT int16_t rjpg(const char* fileName, uint8_t depth, uint8_t option, IldaBitmap** bitmap,
                         void** palette, IldaProgress progress, int16_t zero);
ILDA_EXPORT int16_t rpng(const char* fileName, uint8_t depth, uint8_t option, IldaBitmap** bitmap,
                         void** palette, IldaProgress progress, int16_t zero);
ILDA_EXPORT int16_t rgif(const char* fileName, uint8_t depth, uint8_t option, IldaBitmap** bitmap,
                         void** palette, IldaProgress progress, int16_t zero, const char* lzw);
ILDA_EXPORT int16_t rbmpstream(const void* data, int32_t size, uint8_t depth, uint8_t option,
                               IldaBitmap** bitmap, void** palette, IldaProgress progress,
                               int16_t zero);
ILDA_EXPORT int16_t rpngstream(const void* data, int32_t size, uint8_t depth, uint8_t option,
                               IldaBitmap** bitmap, void** palette, IldaProgress progress,
                               int16_t zero);
ILDA_EXPORT int16_t rjpgstream(const void* data, int32_t size, uint8_t depth, int32_t one,
                               uint8_t option, IldaBitmap** bitmap, void** palette,
                               IldaProgress progress, int16_t zero);
ILDA_EXPORT int16_t rgifstream(const void* data, int32_t size, uint8_t depth, uint8_t option,
                               IldaBitmap** bitmap, void** palette, IldaProgress progress,
                               int16_t zero, const char* lzw);
ILDA_EXPORT void ilda_free(IldaBitmap* bitmap);

#ifdef __cplusplus
}
#endif
