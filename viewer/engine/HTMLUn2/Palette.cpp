#include "HTMLUn2/Palette.h"

#include <memory>

#include "platform/Screen.h"

namespace {

constexpr std::array<std::uint8_t, 6> kCubeLevels = {55, 115, 165, 205, 235, 255};

struct ImageModule {
    std::uint8_t screenDepth = 24;
    std::uint8_t decodeOption = 1;
    std::unique_ptr<PaletteTable> sharedPalette;
    const PaletteTable* dllPalette = nullptr;
};

ImageModule StartUp() {
    ImageModule module;
    module.screenDepth = ScreenDepthClass(platform::ScreenBitsPerPixel());
    if (module.screenDepth == 8) {
        module.sharedPalette = std::make_unique<PaletteTable>(MakeSharedPalette(SystemPalette()));
        module.dllPalette = module.sharedPalette.get();
    }
    return module;
}

ImageModule& Module() {
    static ImageModule module = StartUp();
    return module;
}

PaletteEntry Entry(int red, int green, int blue) {
    return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(blue), 0};
}

}  // namespace

std::uint8_t ScreenDepthClass(int bitsPerPixel) {
    if (bitsPerPixel <= 4) return 4;
    if (bitsPerPixel >= 16) return 24;
    return 8;
}

PaletteTable SystemPalette() {
    PaletteTable system{};
    const PaletteEntry low[10] = {Entry(0, 0, 0),      Entry(128, 0, 0),     Entry(0, 128, 0),
                                  Entry(128, 128, 0),  Entry(0, 0, 128),     Entry(128, 0, 128),
                                  Entry(0, 128, 128),  Entry(192, 192, 192), Entry(192, 220, 192),
                                  Entry(166, 202, 240)};
    const PaletteEntry high[10] = {Entry(255, 251, 240), Entry(160, 160, 164), Entry(128, 128, 128),
                                   Entry(255, 0, 0),     Entry(0, 255, 0),     Entry(255, 255, 0),
                                   Entry(0, 0, 255),     Entry(255, 0, 255),   Entry(0, 255, 255),
                                   Entry(255, 255, 255)};
    for (int i = 0; i < 10; ++i) {
        system[static_cast<std::size_t>(i)] = low[i];
        system[static_cast<std::size_t>(246 + i)] = high[i];
    }
    return system;
}

PaletteTable MakeSharedPalette(const PaletteTable& system) {
    PaletteTable palette = system;
    std::size_t index = 10;
    for (std::uint8_t blue : kCubeLevels)
        for (std::uint8_t green : kCubeLevels)
            for (std::uint8_t red : kCubeLevels) palette[index++] = Entry(red, green, blue);
    for (int grey = 135; grey <= 250; grey += 5) palette[index++] = Entry(grey, grey, grey);
    return palette;
}

std::uint8_t ScreenDepth() { return Module().screenDepth; }
std::uint8_t DecodeOption() { return Module().decodeOption; }
const PaletteTable* SharedPalette() { return Module().sharedPalette.get(); }
const PaletteTable* DllPalette() { return Module().dllPalette; }
void SetDllPalette(const PaletteTable* palette) { Module().dllPalette = palette; }
