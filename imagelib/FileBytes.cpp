#include "imagelib/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <limits>

namespace imagelib {

namespace {

class FileHandle {
  public:
    explicit FileHandle(const char* name) : fd_(open(name, O_RDONLY | O_CLOEXEC)) {}
    ~FileHandle() {
        if (fd_ >= 0) close(fd_);
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

bool readAll(int fd, std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = read(fd, bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> readFileBytes(const char* fileName) {
    if (fileName == nullptr || strnlen(fileName, kMaxFileName + 1) > kMaxFileName) return {};
    const FileHandle file(fileName);
    struct stat status {};
    if (file.fd() < 0 || fstat(file.fd(), &status) != 0 || !S_ISREG(status.st_mode)) return {};
    // The stream decoders take a 32-bit size.
    if (status.st_size > std::numeric_limits<std::int32_t>::max()) return {};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(status.st_size));
    if (!readAll(file.fd(), bytes)) return {};
    return bytes;
}

}  // namespace imagelib
