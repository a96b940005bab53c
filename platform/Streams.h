#pragma once
// Byte streams: one interface over memory and files. File errors raise the file exception kinds
// with the file's name and the system's reason.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace platform {

class Stream {
public:
    virtual ~Stream() = default;
    // Reads up to count bytes; fewer only at the end of the stream.
    virtual std::size_t Read(void* buffer, std::size_t count) = 0;
    // Writes all bytes or raises EInOutError.
    virtual void Write(const void* buffer, std::size_t count) = 0;
    virtual void Seek(std::int64_t position) = 0;
    virtual std::int64_t Position() const = 0;
    virtual std::int64_t Size() const = 0;
    // Cuts the stream at the current position.
    virtual void Truncate() = 0;
};

class MemoryStream : public Stream {
public:
    MemoryStream() = default;
    explicit MemoryStream(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    void Seek(std::int64_t position) override;
    std::int64_t Position() const override { return position_; }
    std::int64_t Size() const override { return static_cast<std::int64_t>(bytes_.size()); }
    void Truncate() override { bytes_.resize(position_); }
    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::size_t position_ = 0;
};

enum class FileMode {
    OpenRead,       // an existing file, read only
    OpenReadWrite,  // an existing file, read and write
    Create,         // created anew (emptied if it exists), read and write
};

class FileStream : public Stream {
public:
    // exclusive: no other program may hold the file while this stream is open (an advisory
    // flock, the sharing rule of our programs and of the scoring programs on this system).
    FileStream(const std::string& fileName, FileMode mode, bool exclusive);
    ~FileStream() override;
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    std::size_t Read(void* buffer, std::size_t count) override;
    void Write(const void* buffer, std::size_t count) override;
    void Seek(std::int64_t position) override;
    std::int64_t Position() const override;
    std::int64_t Size() const override;
    void Truncate() override;
    // Forces what was written onto the disk; raises EInOutError when the disk refuses it.
    void Flush();
    const std::string& FileName() const { return fileName_; }

private:
    friend class ReplacingFile;
    FileStream(int descriptor, std::string fileName) : fd_(descriptor), fileName_(std::move(fileName)) {}
    [[noreturn]] void Fail(const char* what) const;
    int fd_ = -1;
    std::string fileName_;
};

// A file name as text for messages (names are UTF-8 bytes, messages Windows-1252).
std::string FileNameText(const std::string& fileName);
bool FileExists(const std::string& fileName);

}  // namespace platform
