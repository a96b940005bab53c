#include "DLLDemA.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <memory>

#include "imagelib/ILDA32T.h"
#include "platform/Application.h"
#include "platform/Dialogs.h"

namespace {

struct Library {
    bool attempted = false;
    void* handle = nullptr;
    IldaFileDecoder rbmp = nullptr;
    IldaFileDecoder rjpg = nullptr;
    IldaFileDecoder rpng = nullptr;
    IldaGifFileDecoder rgif = nullptr;
    IldaStreamDecoder rbmpstream = nullptr;
    IldaStreamDecoder rpngstream = nullptr;
    IldaJpegStreamDecoder rjpgstream = nullptr;
    IldaGifStreamDecoder rgifstream = nullptr;
    IldaFree release = nullptr;

    ~Library() {
        if (handle) ::dlclose(handle);
    }
};

// The library of the run: tried once, kept until the program ends.
Library& TheLibrary() {
    static Library library;
    return library;
}

std::string OwnFolder() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return ".";
    const std::string exe(path, static_cast<std::size_t>(length));
    return exe.substr(0, exe.rfind('/'));
}

void* Open() {
    const std::string own = OwnFolder() + "/" + ILDA_FILE_NAME;
    if (void* handle = ::dlopen(own.c_str(), RTLD_NOW | RTLD_LOCAL)) return handle;
    return ::dlopen(ILDA_FILE_NAME, RTLD_NOW | RTLD_LOCAL);
}

template <class Entry>
bool LookUp(void* handle, const char* name, Entry& entry) {
    entry = reinterpret_cast<Entry>(::dlsym(handle, name));
    return entry != nullptr;
}

// A library without all its entry points counts as not found.
bool Bind(Library& library) {
    void* h = library.handle;
    return LookUp(h, "rgif", library.rgif) && LookUp(h, "rbmp", library.rbmp) &&
           LookUp(h, "rjpg", library.rjpg) && LookUp(h, "rpng", library.rpng) &&
           LookUp(h, "rjpgstream", library.rjpgstream) &&
           LookUp(h, "rgifstream", library.rgifstream) &&
           LookUp(h, "rbmpstream", library.rbmpstream) &&
           LookUp(h, "rpngstream", library.rpngstream) && LookUp(h, "ilda_free", library.release);
}

// The library, loaded at the first request of the run; none when it is not there.
const Library* Loaded() {
    Library& library = TheLibrary();
    if (!library.attempted) {
        library.attempted = true;
        library.handle = Open();
        if (library.handle && !Bind(library)) {
            ::dlclose(library.handle);
            library.handle = nullptr;
        }
        if (!library.handle)
            platform::Dialogs::Current().MessageBox(
                "Image Library, ILDA32T.DLL, not found", platform::ProgramTitle(),
                platform::MsgIcon::Error, platform::MsgButtons::Ok);
    }
    return library.handle ? &library : nullptr;
}

// The returned picture is ours to free whatever the result says.
bool TakePicture(const Library& library, std::int16_t result, IldaBitmap* returned,
                 platform::Bitmap& image) {
    const std::unique_ptr<IldaBitmap, IldaFree> picture(returned, library.release);
    if (result < 1 || !picture || !picture->pixels ||
        !platform::AcceptablePictureSize(picture->width, picture->height))
        return false;
    platform::Bitmap bitmap(picture->width, picture->height);
    for (int y = 0; y < picture->height; ++y) {
        const std::uint32_t* from =
            picture->pixels + static_cast<std::ptrdiff_t>(y) * picture->width;
        std::uint32_t* to = bitmap.ScanLine(y);
        // Transparency is the masks' business; a transparent pixel keeps its colour.
        for (int x = 0; x < picture->width; ++x) to[x] = from[x] | 0xFF000000u;
    }
    image = std::move(bitmap);
    return true;
}

}  // namespace

bool DecoderLoaded() { return TheLibrary().handle != nullptr; }

bool DecodeFile(FileDecoder decoder, const std::string& fileName, const DecodeSettings& settings,
                platform::Bitmap& image) {
    const Library* library = Loaded();
    if (!library) return false;
    const std::string name = fileName.substr(0, 255);
    IldaBitmap* picture = nullptr;
    void* palette = const_cast<void*>(settings.palette);
    const std::uint8_t depth = settings.depth, option = settings.option;
    std::int16_t result = 0;
    switch (decoder) {
        case FileDecoder::Gif:
            result = library->rgif(name.c_str(), depth, option, &picture, &palette,
                                   ProgressCallback, 0, "lzw");
            break;
        case FileDecoder::Bmp:
            result =
                library->rbmp(name.c_str(), depth, option, &picture, &palette, ProgressCallback, 0);
            break;
        case FileDecoder::Png:
            result =
                library->rpng(name.c_str(), depth, option, &picture, &palette, ProgressCallback, 0);
            break;
        case FileDecoder::Jpeg:
            result =
                library->rjpg(name.c_str(), depth, option, &picture, &palette, ProgressCallback, 0);
            break;
    }
    return TakePicture(*library, result, picture, image);
}

bool DecodeStream(StreamDecoder decoder, const std::uint8_t* data, std::int32_t size,
                  const DecodeSettings& settings, platform::Bitmap& image) {
    const Library* library = Loaded();
    if (!library) return false;
    IldaBitmap* picture = nullptr;
    void* palette = const_cast<void*>(settings.palette);
    const std::uint8_t depth = settings.depth, option = settings.option;
    std::int16_t result = 0;
    switch (decoder) {
        case StreamDecoder::Gif:
            result = library->rgifstream(data, size, depth, option, &picture, &palette,
                                         ProgressCallback, 0, "lzw");
            break;
        case StreamDecoder::Bmp:
            result = library->rbmpstream(data, size, depth, option, &picture, &palette,
                                         ProgressCallback, 0);
            break;
        case StreamDecoder::Png:
            result = library->rpngstream(data, size, depth, option, &picture, &palette,
                                         ProgressCallback, 0);
            break;
        case StreamDecoder::Jpeg:
            result = library->rjpgstream(data, size, depth, 1, option, &picture, &palette,
                                         ProgressCallback, 0);
            break;
    }
    return TakePicture(*library, result, picture, image);
}

std::int32_t ProgressCallback() {
    if (platform::Terminating()) return 0;
    platform::ProcessMessages();
    return 1;
}
