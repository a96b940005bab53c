#pragma once
// Calls the entry points the way the viewer does and owns what they hand back.
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "TestPictures.h"
#include "imagelib/Exports.h"

namespace imagelib_test {

struct PictureFree {
    void operator()(IldaBitmap* picture) const { ilda_free(picture); }
};
using Decoded = std::unique_ptr<IldaBitmap, PictureFree>;

enum class Format { Png, Jpeg, Gif, Bmp };
const char* nameOf(Format format);

Decoded decodeBytes(Format format, const Bytes& data, IldaProgress progress = nullptr);
Decoded decodeFile(Format format, const std::string& fileName, IldaProgress progress = nullptr);

inline std::uint32_t pixelAt(const IldaBitmap& picture, int x, int y) {
    return picture.pixels[static_cast<std::size_t>(y) * picture.width + x];
}

// A file in the test's temporary folder, removed again with the object.
class TempFile {
  public:
    explicit TempFile(const Bytes& data, const std::string& name = "picture");
    ~TempFile();
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path path_;
};

}  // namespace imagelib_test
