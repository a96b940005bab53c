#pragma once
// Pictures from files and memory streams, decoded by the image library, with the masks that
// make their transparent parts show what is behind them. Every loader answers a new picture
// that the caller owns, or none; no failure is reported.
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "platform/Streams.h"

// 0 unknown, 1 BMP, 2 GIF87a, 3 GIF89a, 4 PNG, 5 JPEG, from the first bytes of encoded data;
// bytes that are missing count as 0.
int ImageKind(std::span<const std::uint8_t> bytes);

// The transparent colour a GIF89a declares in a graphic control extension that directly
// follows its global colour table (found nowhere else). Reads the first 790 bytes of the
// stream and puts its position back.
bool GifTransparentColor(platform::Stream& stream, platform::TColor& color);
bool GifTransparentColorOfFile(const std::string& fileName, platform::TColor& color);

// By the file name's extension (.bmp, .gif, .png, .jpg, .jpeg in any case, cut to five
// characters with the dot); a BMP the library cannot read goes to the platform's reader.
std::unique_ptr<platform::Bitmap> DecodeImageFile(const std::string& fileName);
// By ImageKind of the stream's bytes.
std::unique_ptr<platform::Bitmap> DecodeImageStream(const platform::MemoryStream& stream);

// maskKind on entry: 0 no transparency wanted, 1 transparency by the bottom-left pixel. It
// becomes 2 when the data is a GIF that declares a transparent colour; mask then holds the
// mask made (none when no mask was made, and then there is no picture either).
std::unique_ptr<platform::Bitmap> LoadImageFile(const std::string& fileName, std::uint8_t& maskKind,
                                                std::unique_ptr<platform::Bitmap>& mask);
// None for no stream or one shorter than 20 bytes.
std::unique_ptr<platform::Bitmap> LoadImageStream(platform::MemoryStream* stream,
                                                  std::uint8_t& maskKind,
                                                  std::unique_ptr<platform::Bitmap>& mask);

// A monochrome mask of image: 1 where its pixel has the colour (the bottom-left pixel's
// unless useGivenColor), 0 elsewhere. None for an empty or monochrome image.
std::unique_ptr<platform::Bitmap> MakeMask(const platform::Bitmap& image, bool useGivenColor,
                                           platform::TColor color);
