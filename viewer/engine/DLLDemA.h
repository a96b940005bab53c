#pragma once
// The call interface of the image library ILDA32T.so. The library is loaded by its file name
// at the first decode request of the run, from the program's own folder first and then along
// the system's search path; when it is not there the organiser is told once, and every
// request of the run fails.
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"

// What every decoder gets besides the data: the screen's colour depth class, the decode
// option and the palette to map pictures onto (none but on 8-bit screens).
struct DecodeSettings {
    std::uint8_t depth;
    std::uint8_t option;
    const void* palette;
};

enum class FileDecoder { Bmp, Gif, Png, Jpeg };    // "rbmp", "rgif", "rpng", "rjpg"
enum class StreamDecoder { Bmp, Gif, Png, Jpeg };  // "rbmpstream", "rgifstream", ...

// The library was found and loaded (it is only tried at the first decode request).
bool DecoderLoaded();

// On success image holds the decoded picture. The file name is cut to 255 characters, as the
// library's interface takes it.
bool DecodeFile(FileDecoder decoder, const std::string& fileName, const DecodeSettings& settings,
                platform::Bitmap& image);
bool DecodeStream(StreamDecoder decoder, const std::uint8_t* data, std::int32_t size,
                  const DecodeSettings& settings, platform::Bitmap& image);

// Asked by the library during long decodes: 0 (stop) when the program is ending, otherwise
// the pending events are handled and the answer is 1 (go on).
std::int32_t ProgressCallback();
