#include <algorithm>
#include <cstdlib>
#include <random>
#include <unordered_map>

#include "TestPictures.h"

namespace imagelib_test {

Image quadrants(int width, int height, const std::array<std::uint32_t, 4>& colours) {
    Image image{width, height, {}};
    image.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.pixels.push_back(colours[(y >= height / 2 ? 2 : 0) + (x >= width / 2 ? 1 : 0)]);
        }
    }
    return image;
}

Image photo(int width, int height, unsigned seed) {
    Image image{width, height, {}};
    image.pixels.reserve(static_cast<std::size_t>(width) * height);
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-12, 12);
    const auto channel = [&](int value) {
        return static_cast<std::uint32_t>(std::clamp(value + noise(random), 0, 255));
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int r = 255 * x / width, g = 255 * y / height, b = 255 - (r + g) / 2;
            image.pixels.push_back(0xFF000000u | channel(r) << 16 | channel(g) << 8 | channel(b));
        }
    }
    return image;
}

Image speckles(int width, int height, int count, unsigned seed) {
    Image image{width, height, {}};
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> pick(0, count - 1);
    for (int i = 0; i < width * height; ++i) {
        const auto n = static_cast<std::uint32_t>(pick(random));
        image.pixels.push_back(0xFF000000u | (n * 37 % 256) << 16 | (n * 91 % 256) << 8 | n);
    }
    return image;
}

Indexed indexedOf(const Image& image) {
    Indexed indexed{image.width, {}, {}};
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    for (std::uint32_t pixel : image.pixels) {
        const auto [at, added] =
            indexOf.emplace(pixel, static_cast<std::uint8_t>(indexed.palette.size()));
        if (added) indexed.palette.push_back(pixel);
        if (indexed.palette.size() > 256) std::abort();
        indexed.indices.push_back(at->second);
    }
    return indexed;
}

}  // namespace imagelib_test
