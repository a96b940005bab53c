#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>

#include "platform/BufferedWriter.h"
#include "platform/Errors.h"
#include "platform/ReplacingFile.h"
#include "platform/Streams.h"
#include "tests/FileSizeLimit.h"

using namespace platform;

namespace {

class Files : public ::testing::Test {
protected:
    QTemporaryDir dir;
    std::string Path(const char* name) { return dir.filePath(name).toStdString(); }
    void Put(const std::string& path, const std::string& content) {
        std::ofstream(path, std::ios::binary) << content;
    }
    std::string Get(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QStringList Entries() { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
};

}  // namespace

TEST_F(Files, ReadsWritesSeeksAndTruncates) {
    FileStream file(Path("a"), FileMode::Create, false);
    file.Write("hello world", 11);
    EXPECT_EQ(file.Size(), 11);
    file.Seek(6);
    char word[8] = {};
    EXPECT_EQ(file.Read(word, 8), 5u);
    EXPECT_STREQ(word, "world");
    file.Seek(5);
    file.Truncate();
    EXPECT_EQ(file.Size(), 5);
    EXPECT_EQ(Get(Path("a")), "hello");
}

TEST_F(Files, OpeningAMissingFileNamesItAndTheReason) {
    try {
        FileStream file(Path("missing.NAV"), FileMode::OpenReadWrite, true);
        FAIL();
    } catch (const EFOpenError& error) {
        EXPECT_NE(std::string(error.what()).find("missing.NAV\": No such file"), std::string::npos)
            << error.what();
    }
    EXPECT_THROW(FileStream(dir.path().toStdString() + "/no/such/x", FileMode::Create, false), EFCreateError);
}

TEST_F(Files, AnExclusiveStreamKeepsOthersOutUntilItCloses) {
    Put(Path("held"), "content");
    {
        FileStream holder(Path("held"), FileMode::OpenReadWrite, true);
        EXPECT_THROW(FileStream(Path("held"), FileMode::OpenReadWrite, true), EFOpenError);
        // Creating anew must not empty a file that someone holds.
        EXPECT_THROW(FileStream(Path("held"), FileMode::Create, true), EFCreateError);
        EXPECT_EQ(Get(Path("held")), "content");
    }
    FileStream later(Path("held"), FileMode::Create, true);
    EXPECT_EQ(later.Size(), 0);
}

TEST(MemoryStreams, GrowOnWriteAndReadBackWhatWasWritten) {
    MemoryStream stream;
    stream.Write("abcdef", 6);
    stream.Seek(2);
    stream.Write("XY", 2);
    stream.Seek(0);
    char bytes[10] = {};
    EXPECT_EQ(stream.Read(bytes, 10), 6u);
    EXPECT_STREQ(bytes, "abXYef");
    stream.Seek(3);
    stream.Truncate();
    EXPECT_EQ(stream.Size(), 3);
}

TEST_F(Files, ReplacingPutsTheNewContentInPlaceHeldAndWithTheOldPermissions) {
    Put(Path("list"), "old content");
    ::chmod(Path("list").c_str(), 0640);
    std::unique_ptr<FileStream> held;
    {
        ReplacingFile replacement(Path("list"), ReplacingFile::Holder::Nobody);
        replacement.Out().Write("new", 3);
        EXPECT_EQ(Get(Path("list")), "old content");  // nothing changes before the commit
        held = replacement.Commit();
    }
    EXPECT_EQ(Get(Path("list")), "new");
    EXPECT_EQ(Entries(), QStringList{"list"});
    struct stat info {};
    ::stat(Path("list").c_str(), &info);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_THROW(FileStream(Path("list"), FileMode::OpenReadWrite, true), EFOpenError);
    held.reset();
    EXPECT_NO_THROW(FileStream(Path("list"), FileMode::OpenReadWrite, true));
}

TEST_F(Files, AReplacementThatFailsPartWayLeavesTheOldFileAndNoLeftovers) {
    Put(Path("list"), std::string(100, 'x'));
    {
        ReplacingFile replacement(Path("list"), ReplacingFile::Holder::Anyone);
        const std::string content(300, 'y');
        tests::FileSizeLimit limit(200);
        EXPECT_THROW(replacement.Out().Write(content.data(), content.size()), EInOutError);
    }
    EXPECT_EQ(Get(Path("list")), std::string(100, 'x'));
    EXPECT_EQ(Entries(), QStringList{"list"});
}

TEST_F(Files, ReplacingRefusesAFileHeldByAnotherWhenAskedTo) {
    Put(Path("list"), "kept");
    FileStream other(Path("list"), FileMode::OpenRead, true);
    EXPECT_THROW(ReplacingFile(Path("list"), ReplacingFile::Holder::Nobody), EFCreateError);
    ReplacingFile ours(Path("list"), ReplacingFile::Holder::Anyone);  // the caller holds it itself
    ours.Out().Write("mine", 4);
    ours.Commit();
    EXPECT_EQ(Get(Path("list")), "mine");
}

TEST_F(Files, ReplacingThroughALinkKeepsTheLink) {
    Put(Path("real"), "old");
    ASSERT_EQ(::symlink(Path("real").c_str(), Path("link").c_str()), 0);
    ReplacingFile replacement(Path("link"), ReplacingFile::Holder::Nobody);
    replacement.Out().Write("new", 3);
    replacement.Commit();
    EXPECT_TRUE(QFileInfo(dir.filePath("link")).isSymLink());
    EXPECT_EQ(Get(Path("real")), "new");
}

TEST(BufferedWriters, PassEveryByteInOrder) {
    MemoryStream out;
    BufferedWriter writer(out, 16);
    std::string expected;
    for (int i = 0; i < 100; ++i) {
        const std::string piece(static_cast<std::size_t>(i % 7), static_cast<char>('a' + i % 26));
        writer.Write(piece.data(), piece.size());
        expected += piece;
    }
    const std::string large(40, 'Z');  // more than the buffer holds at once
    writer.Write(large.data(), large.size());
    expected += large;
    writer.Flush();
    EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), expected);
}
