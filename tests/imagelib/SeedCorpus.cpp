// Writes the seed corpora of the picture fuzz targets: a few small valid files of each format
// in its variants, and a few cut or damaged ones. Run once by hand; the seeds are committed.
// Usage: imagelib_seed_corpus <fuzz/corpus folder>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "TestPictures.h"

namespace {

using namespace imagelib_test;
namespace fs = std::filesystem;

void write(const fs::path& folder, const std::string& name, const Bytes& data) {
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
}

Bytes cut(Bytes data, std::size_t keep) {
    data.resize(std::min(keep, data.size()));
    return data;
}

Bytes flipped(Bytes data, std::size_t at) {
    data[at % data.size()] ^= 0x10;
    return data;
}

// Valid files of the format, then the first of them cut in half and damaged in its middle.
void writeSeeds(const fs::path& folder, const std::vector<std::pair<std::string, Bytes>>& valid) {
    for (const auto& [name, data] : valid) write(folder, name, data);
    const Bytes& first = valid.front().second;
    write(folder, "cut", cut(first, first.size() / 2));
    write(folder, "flipped", flipped(first, first.size() / 2));
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: imagelib_seed_corpus <fuzz/corpus folder>\n";
        return 2;
    }
    const fs::path root = argv[1];
    const Image photograph = photo(16, 12, 5);
    const Image few = speckles(13, 9, 6, 5);
    const Image two = speckles(11, 7, 2, 9);
    writeSeeds(root / "rpngstream",
               {{"rgb.png", encodePng(photograph, PngKind::Rgb8)},
                {"palette-interlaced.png", encodePng(few, PngKind::Palette8, true)},
                {"grey-alpha.png", encodePng(few, PngKind::GreyAlpha8)},
                {"rgba16.png", encodePng(few, PngKind::Rgba16)}});
    writeSeeds(root / "rjpgstream",
               {{"colour.jpg", encodeJpeg(photograph, JpegKind::Colour, 75)},
                {"grey.jpg", encodeJpeg(photograph, JpegKind::Grey, 75)},
                {"progressive.jpg", encodeJpeg(photograph, JpegKind::Progressive, 75)},
                {"cmyk.jpg", encodeJpeg(photograph, JpegKind::Cmyk, 75)}});
    writeSeeds(root / "rgifstream",
               {{"plain.gif", encodeGif(few)},
                {"transparent-interlaced.gif",
                 encodeGif(few, {.transparentIndex = 1, .interlaced = true})},
                {"offset.gif",
                 encodeGif(two, {.screenWidth = 20, .screenHeight = 9, .left = 5, .top = 1})}});
    writeSeeds(root / "rbmpstream",
               {{"24.bmp", encodeBmp(photograph, BmpKind::Bits24)},
                {"1.bmp", encodeBmp(two, BmpKind::Bits1)},
                {"4-top-down.bmp", encodeBmp(few, BmpKind::Bits4, true)},
                {"8-core.bmp", encodeBmp(few, BmpKind::Core8)},
                {"16-565.bmp", encodeBmp(photograph, BmpKind::Bits16Fields565)},
                {"32.bmp", encodeBmp(few, BmpKind::Bits32)},
                {"rle8.bmp", encodeBmp(few, BmpKind::Rle8)},
                {"rle4.bmp", encodeBmp(few, BmpKind::Rle4)}});
    return 0;
}
