#include "Streams.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <algorithm>
#include <cerrno>
#include <cstring>

#include "Errors.h"
#include "Text.h"

namespace platform {

std::string FileNameText(const std::string& fileName) {
    return FromQString(QFile::decodeName(QByteArray::fromStdString(fileName)));
}

bool FileExists(const std::string& fileName) {
    struct stat info {};
    return !fileName.empty() && ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::size_t MemoryStream::Read(void* buffer, std::size_t count) {
    const std::size_t available = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    count = std::min(count, available);
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    return count;
}

void MemoryStream::Write(const void* buffer, std::size_t count) {
    if (position_ + count > bytes_.size()) bytes_.resize(position_ + count);
    if (count > 0) std::memcpy(bytes_.data() + position_, buffer, count);
    position_ += count;
}

void MemoryStream::Seek(std::int64_t position) {
    position_ = static_cast<std::size_t>(std::max<std::int64_t>(0, position));
}

namespace {

std::string Reason(int error) { return std::strerror(error); }

int OpenFlags(FileMode mode) {
    switch (mode) {
        case FileMode::OpenRead: return O_RDONLY;
        case FileMode::OpenReadWrite: return O_RDWR;
        case FileMode::Create: return O_RDWR | O_CREAT;
    }
    return O_RDONLY;
}

}  // namespace

FileStream::FileStream(const std::string& fileName, FileMode mode, bool exclusive)
    : fileName_(fileName) {
    const bool create = mode == FileMode::Create;
    const std::string action = create ? "Cannot create file \"" : "Cannot open file \"";
    auto fail = [&](const std::string& reason) -> void {
        const std::string message = action + FileNameText(fileName) + "\": " + reason;
        if (create) throw EFCreateError(message);
        throw EFOpenError(message);
    };
    fd_ = ::open(fileName.c_str(), OpenFlags(mode) | O_CLOEXEC, 0666);
    if (fd_ < 0) fail(Reason(errno));
    // The lock comes before emptying: a file held by another program must not lose its content.
    if (exclusive && ::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        fail(error == EWOULDBLOCK ? "the file is in use by another program" : Reason(error));
    }
    if (create && ::ftruncate(fd_, 0) != 0) {
        const int error = errno;
        ::close(fd_);
        fd_ = -1;
        fail(Reason(error));
    }
}

FileStream::~FileStream() {
    if (fd_ >= 0) ::close(fd_);
}

void FileStream::Fail(const char* what) const {
    throw EInOutError(std::string(what) + " \"" + FileNameText(fileName_) + "\": " + Reason(errno));
}

std::size_t FileStream::Read(void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(fd_, static_cast<char*>(buffer) + done, count - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) Fail("Cannot read");
        if (got == 0) break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void FileStream::Write(const void* buffer, std::size_t count) {
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(fd_, static_cast<const char*>(buffer) + done, count - done);
        if (put < 0 && errno == EINTR) continue;
        if (put == 0) errno = EIO;
        if (put <= 0) Fail("Cannot write");
        done += static_cast<std::size_t>(put);
    }
}

void FileStream::Seek(std::int64_t position) {
    if (::lseek(fd_, position, SEEK_SET) < 0) Fail("Cannot seek in");
}

std::int64_t FileStream::Position() const {
    const off_t position = ::lseek(fd_, 0, SEEK_CUR);
    if (position < 0) Fail("Cannot seek in");
    return position;
}

std::int64_t FileStream::Size() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0) Fail("Cannot examine");
    return info.st_size;
}

void FileStream::Truncate() {
    if (::ftruncate(fd_, Position()) != 0) Fail("Cannot truncate");
}

void FileStream::Flush() {
    if (::fsync(fd_) != 0) Fail("Cannot write");
}

}  // namespace platform
