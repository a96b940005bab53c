#include "HTMLUn2/ImageLoading.h"

#include <algorithm>
#include <array>
#include <climits>

#include "DLLDemA.h"
#include "HTMLUn2/Palette.h"

using platform::Bitmap;
using platform::TColor;

namespace {

// A GIF's header (13 bytes), its largest colour table (768) and a graphic control extension
// (8) fit in here.
constexpr std::size_t kGifProbeSize = 790;
constexpr std::int64_t kShortestStream = 20;

DecodeSettings Settings() { return {ScreenDepth(), DecodeOption(), DllPalette()}; }

// The extension with its dot, lower-cased and cut to five characters.
std::string ShortExtension(const std::string& fileName) {
    const std::size_t slash = fileName.rfind('/');
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string extension = fileName.substr(dot, 5);
    std::transform(extension.begin(), extension.end(), extension.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    });
    return extension;
}

std::unique_ptr<Bitmap> DecodedFile(FileDecoder decoder, const std::string& fileName) {
    auto image = std::make_unique<Bitmap>();
    if (!DecodeFile(decoder, fileName, Settings(), *image)) return nullptr;
    return image;
}

std::unique_ptr<Bitmap> DecodedBmpFile(const std::string& fileName) {
    if (auto image = DecodedFile(FileDecoder::Bmp, fileName)) return image;
    std::optional<Bitmap> image = platform::LoadBmpFile(fileName);
    return image ? std::make_unique<Bitmap>(std::move(*image)) : nullptr;
}

std::unique_ptr<Bitmap> ChosenFileDecoder(const std::string& fileName) {
    const std::string extension = ShortExtension(fileName);
    if (extension == ".bmp") return DecodedBmpFile(fileName);
    if (extension == ".gif") return DecodedFile(FileDecoder::Gif, fileName);
    if (extension == ".png") return DecodedFile(FileDecoder::Png, fileName);
    if (extension == ".jpg" || extension == ".jpeg")
        return DecodedFile(FileDecoder::Jpeg, fileName);
    return nullptr;
}

std::unique_ptr<Bitmap> ChosenStreamDecoder(const platform::MemoryStream& stream) {
    StreamDecoder decoder;
    switch (ImageKind(stream.Bytes())) {
        case 1:
            decoder = StreamDecoder::Bmp;
            break;
        case 2:
        case 3:
            decoder = StreamDecoder::Gif;
            break;
        case 4:
            decoder = StreamDecoder::Png;
            break;
        case 5:
            decoder = StreamDecoder::Jpeg;
            break;
        default:
            return nullptr;
    }
    if (stream.Size() > INT32_MAX) return nullptr;  // the library takes 32-bit sizes
    auto image = std::make_unique<Bitmap>();
    const auto size = static_cast<std::int32_t>(stream.Size());
    if (!DecodeStream(decoder, stream.Bytes().data(), size, Settings(), *image)) return nullptr;
    return image;
}

// Decodes with no palette given to the decoders, and puts theirs back afterwards.
template <class Decode>
std::unique_ptr<Bitmap> DecodedWithoutPalette(Decode decode) {
    struct Restore {
        const PaletteTable* palette;
        ~Restore() { SetDllPalette(palette); }
    } restore{DllPalette()};
    SetDllPalette(nullptr);
    return decode();
}

// The mask is made from a picture decoded without the shared palette, so that its colours are
// exact; then the picture to show is decoded again.
template <class Decode>
std::unique_ptr<Bitmap> DecodeWithMask(Decode decode, std::uint8_t maskKind, TColor transparent,
                                       std::unique_ptr<Bitmap>& mask) {
    const std::unique_ptr<Bitmap> exact = DecodedWithoutPalette(decode);
    if (!exact) return nullptr;
    if (maskKind == 1)
        mask = MakeMask(*exact, false, 0);
    else if (maskKind == 2)
        mask = MakeMask(*exact, true, transparent);
    if (!mask) return nullptr;
    return decode();
}

}  // namespace

int ImageKind(std::span<const std::uint8_t> bytes) {
    auto at = [&](std::size_t i) { return i < bytes.size() ? bytes[i] : std::uint8_t{0}; };
    if (at(0) == 'G' && at(1) == 'I' && at(2) == 'F' && at(3) == '8') return at(4) == '9' ? 3 : 2;
    if (at(0) == 'B' && at(1) == 'M') return 1;
    if (at(0) == 0x89 && at(1) == 'P' && at(2) == 'N' && at(3) == 'G') return 4;
    if (at(0) == 0xFF && at(1) == 0xD8) return 5;
    return 0;
}

bool GifTransparentColor(platform::Stream& stream, TColor& color) {
    std::array<std::uint8_t, kGifProbeSize> buffer{};
    const std::int64_t position = stream.Position();
    stream.Seek(0);
    stream.Read(buffer.data(), buffer.size());
    stream.Seek(position);
    if (ImageKind(buffer) != 3) return false;
    // The table's presence flag is not consulted: its size is taken from byte 10 either way.
    const std::size_t table = 13;
    const std::size_t control = table + 3 * (std::size_t{2} << (buffer[10] & 7));
    if (buffer[control] != 0x21 || buffer[control + 1] != 0xF9 || (buffer[control + 3] & 1) == 0)
        return false;
    const std::size_t entry = table + 3 * std::size_t{buffer[control + 6]};
    color = platform::RGB(buffer[entry], buffer[entry + 1], buffer[entry + 2]);
    return true;
}

bool GifTransparentColorOfFile(const std::string& fileName, TColor& color) {
    try {
        platform::FileStream file(fileName, platform::FileMode::OpenRead, false);
        return GifTransparentColor(file, color);
    } catch (const std::exception&) {
        return false;
    }
}

std::unique_ptr<Bitmap> DecodeImageFile(const std::string& fileName) {
    try {
        return ChosenFileDecoder(fileName);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::unique_ptr<Bitmap> DecodeImageStream(const platform::MemoryStream& stream) {
    try {
        return ChosenStreamDecoder(stream);
    } catch (const std::exception&) {
        return nullptr;
    }
}

std::unique_ptr<Bitmap> LoadImageFile(const std::string& fileName, std::uint8_t& maskKind,
                                      std::unique_ptr<Bitmap>& mask) {
    if (!platform::FileExists(fileName)) return nullptr;
    TColor transparent = 0;
    if (ShortExtension(fileName) == ".gif" && GifTransparentColorOfFile(fileName, transparent))
        maskKind = 2;
    mask.reset();
    if (maskKind == 0) return DecodeImageFile(fileName);
    return DecodeWithMask([&] { return DecodeImageFile(fileName); }, maskKind, transparent, mask);
}

std::unique_ptr<Bitmap> LoadImageStream(platform::MemoryStream* stream, std::uint8_t& maskKind,
                                        std::unique_ptr<Bitmap>& mask) {
    if (!stream || stream->Size() < kShortestStream) return nullptr;
    stream->Seek(0);
    TColor transparent = 0;
    if (GifTransparentColor(*stream, transparent)) maskKind = 2;
    mask.reset();
    if (maskKind == 0) return DecodeImageStream(*stream);
    return DecodeWithMask([&] { return DecodeImageStream(*stream); }, maskKind, transparent, mask);
}

std::unique_ptr<Bitmap> MakeMask(const Bitmap& image, bool useGivenColor, TColor color) {
    if (image.Empty() || image.IsMonochrome()) return nullptr;
    const TColor wanted =
        useGivenColor ? platform::ColorToRGB(color) : image.Pixel(0, image.Height() - 1);
    const std::uint32_t transparent =
        static_cast<std::uint32_t>(platform::GetRValue(wanted)) << 16 |
        platform::GetGValue(wanted) << 8 | platform::GetBValue(wanted);
    auto mask = std::make_unique<Bitmap>(Bitmap::Monochrome(image.Width(), image.Height()));
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.ScanLine(y);
        for (int x = 0; x < image.Width(); ++x)
            if ((row[x] & 0x00FFFFFFu) == transparent) mask->SetPixel(x, y, platform::clWhite);
    }
    return mask;
}
