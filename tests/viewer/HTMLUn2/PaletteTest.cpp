#include <gtest/gtest.h>

#include "HTMLUn2/Palette.h"

namespace {

PaletteEntry Rgb(int red, int green, int blue) {
    return {static_cast<std::uint8_t>(red), static_cast<std::uint8_t>(green),
            static_cast<std::uint8_t>(blue), 0};
}

}  // namespace

TEST(Palette, TheScreenDepthClassOfEveryBitCount) {
    const std::pair<int, int> cases[] = {{1, 4},  {4, 4},   {5, 8},   {8, 8},
                                         {15, 8}, {16, 24}, {24, 24}, {32, 24}};
    for (const auto& [bits, depth] : cases) EXPECT_EQ(ScreenDepthClass(bits), depth) << bits;
}

TEST(Palette, TheSharedPaletteHasAColourCubeAndGreysBetweenTheSystemColours) {
    const PaletteTable system = SystemPalette();
    const PaletteTable shared = MakeSharedPalette(system);
    EXPECT_EQ(shared[10], Rgb(55, 55, 55));
    EXPECT_EQ(shared[11], Rgb(115, 55, 55));  // red fastest
    EXPECT_EQ(shared[16], Rgb(55, 115, 55));  // then green
    EXPECT_EQ(shared[46], Rgb(55, 55, 115));  // blue slowest
    EXPECT_EQ(shared[225], Rgb(255, 255, 255));
    EXPECT_EQ(shared[226], Rgb(135, 135, 135));
    EXPECT_EQ(shared[249], Rgb(250, 250, 250));
    for (int i : {0, 1, 7, 9, 250, 253, 255}) EXPECT_EQ(shared[i], system[i]) << i;
    EXPECT_EQ(system[1], Rgb(128, 0, 0));
    EXPECT_EQ(system[255], Rgb(255, 255, 255));
}

TEST(Palette, ATrueColourScreenGetsNoPaletteAndTheDecodersNone) {
    EXPECT_EQ(ScreenDepth(), 24);
    EXPECT_EQ(DecodeOption(), 1);
    EXPECT_EQ(SharedPalette(), nullptr);
    EXPECT_EQ(DllPalette(), nullptr);
}
