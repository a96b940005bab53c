// Runs a suite's tests inside a QApplication, headless, with the program title set as the
// programs set it, so that error boxes carry a caption.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName("Testprogram");
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
