// The entry points as the viewer calls them: arguments it may pass, file names, and the shared
// object that it loads by name.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <fstream>

#include "Decode.h"

namespace imagelib_test {
namespace {

namespace fs = std::filesystem;

const Image kPicture = quadrants(6, 4, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF});

// A copy of the data at a path of exactly `length` characters, made of folders of 100.
class PathOfLength {
  public:
    PathOfLength(const Bytes& data, std::size_t length)
        : root_(fs::path(::testing::TempDir()) / "long") {
        std::string path = root_.string();
        while (length - path.size() > 101) path += "/" + std::string(100, 'd');
        fs::create_directories(path);
        path_ = path + "/" + std::string(length - path.size() - 1, 'f');
        std::ofstream(path_, std::ios::binary)
            .write(reinterpret_cast<const char*>(data.data()),
                   static_cast<std::streamsize>(data.size()));
    }
    ~PathOfLength() {
        std::error_code ignored;
        fs::remove_all(root_, ignored);
    }
    PathOfLength(const PathOfLength&) = delete;
    PathOfLength& operator=(const PathOfLength&) = delete;
    const std::string& path() const { return path_; }

  private:
    fs::path root_;
    std::string path_;
};

TEST(ImagelibEntryPoints, FileNamesUpTo255CharactersAreAccepted) {
    const Bytes data = encodePng(kPicture, PngKind::Rgb8);
    const PathOfLength longest(data, 255);
    ASSERT_EQ(longest.path().size(), 255u);
    EXPECT_TRUE(decodeFile(Format::Png, longest.path()));
    const PathOfLength tooLong(data, 256);
    ASSERT_EQ(tooLong.path().size(), 256u);
    ASSERT_TRUE(fs::exists(tooLong.path()));
    EXPECT_FALSE(decodeFile(Format::Png, tooLong.path()));
}

TEST(ImagelibEntryPoints, MissingEmptyAndFolderNamesGiveNoPicture) {
    const TempFile empty(Bytes{}, "empty.png");
    for (const std::string& name :
         {std::string("/no/such/picture.png"), empty.path(), ::testing::TempDir(), std::string()}) {
        SCOPED_TRACE(name);
        for (Format format : {Format::Png, Format::Jpeg, Format::Gif, Format::Bmp}) {
            EXPECT_FALSE(decodeFile(format, name)) << nameOf(format);
        }
    }
}

TEST(ImagelibEntryPoints, AFileOfAnotherFormatGivesNoPicture) {
    const Bytes png = encodePng(kPicture, PngKind::Rgb8);
    for (Format format : {Format::Jpeg, Format::Gif, Format::Bmp}) {
        EXPECT_FALSE(decodeBytes(format, png)) << nameOf(format);
    }
}

TEST(ImagelibEntryPoints, NullOrEmptyArgumentsFailCleanly) {
    const Bytes png = encodePng(kPicture, PngKind::Rgb8);
    IldaBitmap* picture = reinterpret_cast<IldaBitmap*>(0x1);  // must be reset to none
    EXPECT_EQ(rpngstream(nullptr, 100, 24, 1, &picture, nullptr, nullptr, 0), 0);
    EXPECT_EQ(picture, nullptr);
    EXPECT_EQ(rpngstream(png.data(), 0, 24, 1, &picture, nullptr, nullptr, 0), 0);
    EXPECT_EQ(rpngstream(png.data(), -5, 24, 1, &picture, nullptr, nullptr, 0), 0);
    EXPECT_EQ(rpngstream(png.data(), static_cast<std::int32_t>(png.size()), 24, 1, nullptr, nullptr,
                         nullptr, 0),
              0);
    EXPECT_EQ(rpng(nullptr, 24, 1, &picture, nullptr, nullptr, 0), 0);
    EXPECT_EQ(picture, nullptr);
    ilda_free(nullptr);
}

// Our screens are 24-bit: an 8-bit request gives the same 32-bit picture and leaves the
// palette that the viewer passes as it was.
TEST(ImagelibEntryPoints, EightBitRequestsGiveTheSamePictureAndKeepThePalette) {
    const Bytes gif = encodeGif(kPicture);
    int paletteObject = 0;
    void* palette = &paletteObject;
    IldaBitmap* eight = nullptr;
    IldaBitmap* full = nullptr;
    ASSERT_EQ(rgifstream(gif.data(), static_cast<std::int32_t>(gif.size()), 8, 1, &eight, &palette,
                         nullptr, 0, "lzw"),
              1);
    EXPECT_EQ(palette, &paletteObject);
    ASSERT_EQ(rgifstream(gif.data(), static_cast<std::int32_t>(gif.size()), 24, 1, &full, &palette,
                         nullptr, 0, "lzw"),
              1);
    const Decoded owned8(eight), owned24(full);
    ASSERT_EQ(eight->width * eight->height, full->width * full->height);
    EXPECT_TRUE(
        std::equal(eight->pixels, eight->pixels + eight->width * eight->height, full->pixels));
}

class ImagelibSharedObject : public ::testing::Test {
  protected:
    void SetUp() override {
        handle_ = dlopen(ILDA32T_PATH, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override {
        if (handle_ != nullptr) dlclose(handle_);
    }
    template <typename F>
    F find(const char* name) {
        return reinterpret_cast<F>(dlsym(handle_, name));
    }
    void* handle_ = nullptr;
};

TEST_F(ImagelibSharedObject, HasItsFileNameAndExportsTheNineNames) {
    EXPECT_EQ(fs::path(ILDA32T_PATH).filename(), ILDA_FILE_NAME);
    for (const char* name : {"rgif", "rbmp", "rjpg", "rpng", "rjpgstream", "rgifstream",
                             "rbmpstream", "rpngstream", "ilda_free"}) {
        EXPECT_NE(dlsym(handle_, name), nullptr) << name;
    }
}

// Each of the eight decoders, looked up by name, called with the viewer's argument order.
TEST_F(ImagelibSharedObject, EveryDecoderFoundByNameDecodes) {
    const Bytes png = encodePng(kPicture, PngKind::Rgb8),
                jpeg = encodeJpeg(kPicture, JpegKind::Colour), gif = encodeGif(kPicture),
                bmp = encodeBmp(kPicture, BmpKind::Bits24);
    const TempFile pngFile(png, "p.png"), jpegFile(jpeg, "j.jpg"), gifFile(gif, "g.gif"),
        bmpFile(bmp, "b.bmp");
    const auto release = find<IldaFree>("ilda_free");
    ASSERT_NE(release, nullptr);
    const auto size = [](const Bytes& b) { return static_cast<std::int32_t>(b.size()); };
    void* palette = nullptr;
    std::vector<IldaBitmap*> pictures(8, nullptr);
    EXPECT_EQ(find<IldaFileDecoder>("rpng")(pngFile.path().c_str(), 24, 1, &pictures[0], &palette,
                                            nullptr, 0),
              1);
    EXPECT_EQ(find<IldaFileDecoder>("rjpg")(jpegFile.path().c_str(), 24, 1, &pictures[1], &palette,
                                            nullptr, 0),
              1);
    EXPECT_EQ(find<IldaGifFileDecoder>("rgif")(gifFile.path().c_str(), 24, 1, &pictures[2],
                                               &palette, nullptr, 0, "lzw"),
              1);
    EXPECT_EQ(find<IldaFileDecoder>("rbmp")(bmpFile.path().c_str(), 24, 1, &pictures[3], &palette,
                                            nullptr, 0),
              1);
    EXPECT_EQ(find<IldaStreamDecoder>("rpngstream")(png.data(), size(png), 24, 1, &pictures[4],
                                                    &palette, nullptr, 0),
              1);
    EXPECT_EQ(find<IldaJpegStreamDecoder>("rjpgstream")(jpeg.data(), size(jpeg), 24, 1, 1,
                                                        &pictures[5], &palette, nullptr, 0),
              1);
    EXPECT_EQ(find<IldaGifStreamDecoder>("rgifstream")(gif.data(), size(gif), 24, 1, &pictures[6],
                                                       &palette, nullptr, 0, "lzw"),
              1);
    EXPECT_EQ(find<IldaStreamDecoder>("rbmpstream")(bmp.data(), size(bmp), 24, 1, &pictures[7],
                                                    &palette, nullptr, 0),
              1);
    for (IldaBitmap* picture : pictures) {
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->width, 6);
        EXPECT_EQ(picture->height, 4);
        release(picture);
    }
}

}  // namespace
}  // namespace imagelib_test
