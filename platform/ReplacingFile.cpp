#include "ReplacingFile.h"

#include <fcntl.h>
#include <libgen.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "Errors.h"

namespace platform {
namespace {

[[noreturn]] void FailCreate(const std::string& target, const std::string& reason) {
    throw EFCreateError("Cannot create file \"" + FileNameText(target) + "\": " + reason);
}

// A link is replaced through to the file it names, so that the link stays.
std::string ResolvedTarget(const std::string& target) {
    char* resolved = ::realpath(target.c_str(), nullptr);
    if (!resolved) return target;
    std::string result(resolved);
    ::free(resolved);
    return result;
}

void RefuseIfHeld(const std::string& target) {
    const int fd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    if (held) FailCreate(target, "the file is in use by another program");
}

mode_t NewFileMode(const std::string& target) {
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolderOf(const std::string& fileName) {
    std::string copy = fileName;
    const int fd = ::open(::dirname(copy.data()), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

ReplacingFile::ReplacingFile(const std::string& target, Holder holder)
    : target_(ResolvedTarget(target)), tempName_(target_ + ".XXXXXX") {
    if (holder == Holder::Nobody) RefuseIfHeld(target_);
    const int fd = ::mkstemp(tempName_.data());
    if (fd < 0) FailCreate(target, std::strerror(errno));
    temp_.reset(new FileStream(fd, tempName_));
    ::flock(fd, LOCK_EX | LOCK_NB);  // nobody else knows the name yet, so this always holds
    ::fchmod(fd, NewFileMode(target_));
}

ReplacingFile::~ReplacingFile() {
    if (temp_) {
        temp_.reset();
        ::unlink(tempName_.c_str());
    }
}

std::unique_ptr<FileStream> ReplacingFile::Commit() {
    temp_->Flush();
    if (::rename(tempName_.c_str(), target_.c_str()) != 0) FailCreate(target_, std::strerror(errno));
    SyncFolderOf(target_);
    temp_->fileName_ = target_;
    return std::move(temp_);
}

}  // namespace platform
