#include <gtest/gtest.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTimer>

#include "DLLDemA.h"
#include "HTMLUn2/ImageLoading.h"
#include "TestPictures.h"
#include "platform/ScriptedDialogs.h"

using namespace pictures;
using platform::Bitmap;

namespace {

const DecodeSettings kSettings{24, 1, nullptr};

Bytes SampleGif() {
    Gif gif;
    gif.width = 4;
    gif.height = 3;
    gif.palette = {qRgb(255, 255, 255), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(0, 0, 0)};
    gif.indexes = {1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0};
    return Encode(gif);
}

void ExpectSample(const Bitmap& image) {
    ASSERT_EQ(image.Width(), 4);
    ASSERT_EQ(image.Height(), 3);
    EXPECT_EQ(image.Pixel(0, 0), platform::clRed);
    EXPECT_EQ(image.Pixel(2, 1), platform::clBlue);
    EXPECT_EQ(image.Pixel(3, 2), platform::clWhite);
}

// The tests below that need a program without the library run a copy of this one, from a
// folder of its own, in this mode.
constexpr const char* kChildMode = "ENGINE_TESTS_LIBRARY";

QString ChildMode() { return qEnvironmentVariable(kChildMode); }

// Runs this test in a copy of the test program that has no library beside it; searchPath
// becomes the copy's LD_LIBRARY_PATH. Answers the copy's exit code and its output.
int RunInCopy(const QString& mode, const QString& searchPath, QString& output) {
    const QString exe = QCoreApplication::applicationFilePath();
    QTemporaryDir dir(QCoreApplication::applicationDirPath() + "/without-library-XXXXXX");
    const QString copy = dir.filePath("engine_tests");
    if (::link(QFile::encodeName(exe).constData(), QFile::encodeName(copy).constData()) != 0 &&
        !QFile::copy(exe, copy))
        return -2;
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kChildMode, mode);
    environment.insert("LD_LIBRARY_PATH", searchPath);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(copy, {QString("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool finished = child.waitForFinished(180000);
    output = QString::fromLocal8Bit(child.readAll());
    return finished && child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
}

}  // namespace

TEST(DLLDemA, EveryDecoderTurnsItsFormatIntoABitmap) {
    QTemporaryDir dir;
    struct Case {
        FileDecoder file;
        StreamDecoder stream;
        Bytes bytes;
        std::string name;
    };
    const Case cases[] = {
        {FileDecoder::Bmp, StreamDecoder::Bmp, Encode(Sample(), "BMP"), "a.bmp"},
        {FileDecoder::Gif, StreamDecoder::Gif, SampleGif(), "a.gif"},
        {FileDecoder::Png, StreamDecoder::Png, Encode(Sample(), "PNG"), "a.png"},
        {FileDecoder::Jpeg, StreamDecoder::Jpeg, Encode(Flat(4, 3, qRgb(0, 0, 0)), "JPEG"),
         "a.jpg"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Bitmap fromFile, fromStream;
        ASSERT_TRUE(DecodeFile(c.file, Write(dir, c.name, c.bytes), kSettings, fromFile));
        ASSERT_TRUE(DecodeStream(c.stream, c.bytes.data(),
                                 static_cast<std::int32_t>(c.bytes.size()), kSettings, fromStream));
        if (c.file == FileDecoder::Jpeg) {
            EXPECT_EQ(fromFile.Width(), 4);
            EXPECT_EQ(fromStream.Height(), 3);
            EXPECT_LT(fromFile.Pixel(1, 1) & 0xFF, 8u);  // black, give or take the compression
        } else {
            ExpectSample(fromFile);
            ExpectSample(fromStream);
        }
    }
    EXPECT_TRUE(DecoderLoaded());
}

TEST(DLLDemA, AFailingDecoderGivesNoPicture) {
    QTemporaryDir dir;
    const Bytes png = Encode(Sample(), "PNG");
    const std::string pngAsGif = Write(dir, "png.gif", png);
    Bitmap image;
    EXPECT_FALSE(DecodeFile(FileDecoder::Gif, pngAsGif, kSettings, image));
    EXPECT_FALSE(
        DecodeFile(FileDecoder::Png, dir.filePath("none.png").toStdString(), kSettings, image));
    EXPECT_FALSE(DecodeStream(StreamDecoder::Jpeg, png.data(),
                              static_cast<std::int32_t>(png.size()), kSettings, image));
    EXPECT_FALSE(DecodeStream(StreamDecoder::Png, png.data(), 10, kSettings, image));
    EXPECT_TRUE(image.Empty());
}

TEST(DLLDemA, TheProgressCallbackHandlesPendingEventsAndGoesOn) {
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    EXPECT_EQ(ProgressCallback(), 1);
    EXPECT_TRUE(handled);
}

TEST(DLLDemA, AMissingLibraryIsReportedOnceAndLaterRequestsFailSilently) {
    if (ChildMode() == "missing") {
        platform::ScopedScriptedDialogs script;
        QTemporaryDir dir;
        Bitmap image;
        const Bytes png = Encode(Sample(), "PNG");
        EXPECT_FALSE(DecodeFile(FileDecoder::Png, Write(dir, "a.png", png), kSettings, image));
        EXPECT_FALSE(DecoderLoaded());
        ASSERT_EQ(script->boxes.size(), 1u);
        EXPECT_EQ(script->boxes[0].text, "Image Library, ILDA32T.DLL, not found");
        EXPECT_EQ(script->boxes[0].caption, "Testprogram");
        EXPECT_EQ(script->boxes[0].icon, platform::MsgIcon::Error);
        EXPECT_EQ(script->boxes[0].buttons, platform::MsgButtons::Ok);
        EXPECT_FALSE(DecodeStream(StreamDecoder::Png, png.data(),
                                  static_cast<std::int32_t>(png.size()), kSettings, image));
        // BMP files still load, through the platform's own reader.
        const auto bmp = DecodeImageFile(Write(dir, "a.bmp", Encode(Sample(), "BMP")));
        ASSERT_TRUE(bmp);
        ExpectSample(*bmp);
        EXPECT_EQ(script->boxes.size(), 1u);
        return;
    }
    QString output;
    EXPECT_EQ(RunInCopy("missing", "", output), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
}

TEST(DLLDemA, TheLibraryIsAlsoFoundAlongTheSystemSearchPath) {
    if (ChildMode() == "search path") {
        platform::ScopedScriptedDialogs script;
        const Bytes png = Encode(Sample(), "PNG");
        Bitmap image;
        EXPECT_TRUE(DecodeStream(StreamDecoder::Png, png.data(),
                                 static_cast<std::int32_t>(png.size()), kSettings, image));
        EXPECT_TRUE(DecoderLoaded());
        EXPECT_TRUE(script->boxes.empty());
        return;
    }
    QString output;
    EXPECT_EQ(RunInCopy("search path", QCoreApplication::applicationDirPath(), output), 0)
        << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test.")) << output.toStdString();
}
