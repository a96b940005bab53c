#pragma once
// Writes the new content of a file beside it and moves it into place only when every byte is
// on the disk, so that a failure part-way (a full disk, an I/O error) leaves the old file, or
// no file, as it was and never a half-written one.
#include <memory>
#include <string>

#include "Streams.h"

namespace platform {

class ReplacingFile {
public:
    enum class Holder { Anyone, Nobody };
    // holder Nobody: refuses with EFCreateError when another program holds the target (the
    // caller does not hold it itself). The new file takes over the target's permissions.
    ReplacingFile(const std::string& target, Holder holder);
    // Removes the unfinished file unless Commit succeeded.
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    Stream& Out() { return *temp_; }
    // Moves the written file into place and hands it back open and held exclusively.
    std::unique_ptr<FileStream> Commit();

private:
    std::string target_;
    std::string tempName_;
    std::unique_ptr<FileStream> temp_;
};

}  // namespace platform
