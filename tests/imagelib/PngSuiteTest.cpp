// The PNG suite: every valid image of every colour type, depth and interlacing decodes to the
// size its header gives; every deliberately broken one gives no picture.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>

#include "Decode.h"

namespace imagelib_test {
namespace {

namespace fs = std::filesystem;

Bytes readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t bigEndian32(const Bytes& data, std::size_t at) {
    return std::uint32_t{data[at]} << 24 | data[at + 1] << 16 | data[at + 2] << 8 | data[at + 3];
}

// The suite's files whose names start (or do not start) with 'x', the broken ones.
std::vector<fs::path> suiteFiles(bool broken) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(PNGSUITE_DIR)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() == ".png" && (name[0] == 'x') == broken) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

Decoded decodeSuite(const std::string& name) {
    return decodeBytes(Format::Png, readAll(fs::path(PNGSUITE_DIR) / name));
}

TEST(PngSuite, EveryValidImageDecodesToItsSizeFromMemoryAndFromFile) {
    const std::vector<fs::path> files = suiteFiles(false);
    ASSERT_EQ(files.size(), 161u) << "the suite is expected at " << PNGSUITE_DIR;
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        const Bytes data = readAll(file);
        const Decoded fromMemory = decodeBytes(Format::Png, data);
        ASSERT_TRUE(fromMemory);
        EXPECT_EQ(fromMemory->width, static_cast<std::int32_t>(bigEndian32(data, 16)));
        EXPECT_EQ(fromMemory->height, static_cast<std::int32_t>(bigEndian32(data, 20)));
        const Decoded fromFile = decodeFile(Format::Png, file.string());
        ASSERT_TRUE(fromFile);
        EXPECT_TRUE(std::equal(fromFile->pixels,
                               fromFile->pixels + fromFile->width * fromFile->height,
                               fromMemory->pixels));
    }
}

TEST(PngSuite, EveryBrokenImageIsRefused) {
    const std::vector<fs::path> files = suiteFiles(true);
    ASSERT_EQ(files.size(), 14u);
    for (const fs::path& file : files) {
        SCOPED_TRACE(file.filename().string());
        EXPECT_FALSE(decodeBytes(Format::Png, readAll(file)));
        EXPECT_FALSE(decodeFile(Format::Png, file.string()));
    }
}

// The interlaced images hold the same pictures as their non-interlaced twins.
TEST(PngSuite, InterlacedImagesEqualTheirTwins) {
    int pairs = 0;
    for (const fs::path& file : suiteFiles(false)) {
        const std::string name = file.filename().string();
        if (name.rfind("basi", 0) != 0) continue;
        SCOPED_TRACE(name);
        const Decoded interlaced = decodeSuite(name);
        const Decoded plain = decodeSuite("basn" + name.substr(4));
        ASSERT_TRUE(interlaced && plain);
        EXPECT_TRUE(std::equal(plain->pixels, plain->pixels + plain->width * plain->height,
                               interlaced->pixels));
        ++pairs;
    }
    EXPECT_EQ(pairs, 15);
}

// Small grey depths are scaled to the full 8-bit range (each level a multiple of 255 / (2^depth
// - 1)), and every grey stays grey.
TEST(PngSuite, SmallGreyDepthsSpreadOverTheFullRange) {
    const struct {
        const char* name;
        std::set<std::uint32_t> levels;
    } cases[] = {
        {"basn0g01.png", {0x00, 0xFF}},
        {"basn0g02.png", {0x00, 0x55, 0xAA, 0xFF}},
        {"basn0g04.png",
         {0x00, 0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99, 0xAA, 0xBB, 0xCC, 0xDD, 0xEE,
          0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Decoded picture = decodeSuite(c.name);
        ASSERT_TRUE(picture);
        std::set<std::uint32_t> seen;
        for (int i = 0; i < picture->width * picture->height; ++i) {
            const std::uint32_t p = picture->pixels[i];
            EXPECT_EQ(p >> 24, 0xFFu);
            EXPECT_EQ(p & 0xFF, p >> 8 & 0xFF);
            EXPECT_EQ(p & 0xFF, p >> 16 & 0xFF);
            seen.insert(p & 0xFF);
        }
        EXPECT_TRUE(std::includes(c.levels.begin(), c.levels.end(), seen.begin(), seen.end()));
        EXPECT_GT(seen.size(), c.levels.size() / 2);
    }
}

// tRNS chunks (grey, colour and palette ones) become alpha 0; images without one stay opaque.
TEST(PngSuite, TransparencyChunksBecomeAlpha) {
    for (const fs::path& file : suiteFiles(false)) {
        const std::string name = file.filename().string();
        const bool transparent = name.rfind("tb", 0) == 0;
        const bool opaque = name.rfind("basn0", 0) == 0 || name.rfind("basn2", 0) == 0 ||
                            name.rfind("basn3", 0) == 0 || name.rfind("tp0", 0) == 0;
        if (!transparent && !opaque) continue;
        SCOPED_TRACE(name);
        const Decoded picture = decodeBytes(Format::Png, readAll(file));
        ASSERT_TRUE(picture);
        const auto end = picture->pixels + picture->width * picture->height;
        const bool anyClear =
            std::any_of(picture->pixels, end, [](std::uint32_t p) { return p >> 24 == 0; });
        const bool allOpaque =
            std::all_of(picture->pixels, end, [](std::uint32_t p) { return p >> 24 == 0xFF; });
        EXPECT_EQ(anyClear, transparent);
        EXPECT_EQ(allOpaque, opaque);
    }
}

}  // namespace
}  // namespace imagelib_test
