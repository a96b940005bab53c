#include <gtest/gtest.h>
#include <utime.h>

#include <QTemporaryFile>
#include <QWidget>
#include <ctime>

#include "platform/FileDate.h"
#include "platform/Screen.h"

using namespace platform;

TEST(FileDate, IsTheLocalDateOfTheLastModification) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    std::tm noon{};
    noon.tm_year = 2024 - 1900;
    noon.tm_mon = 2;
    noon.tm_mday = 5;
    noon.tm_hour = 12;
    noon.tm_isdst = -1;
    const utimbuf times{std::mktime(&noon), std::mktime(&noon)};
    ASSERT_EQ(::utime(file.fileName().toLocal8Bit().constData(), &times), 0);
    const auto date = FileModificationDate(file.fileName().toStdString());
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 2024);
    EXPECT_EQ(date->month, 3);
    EXPECT_EQ(date->day, 5);
    EXPECT_FALSE(FileModificationDate("/no/such/file"));
}

TEST(Screen, CentresOnMonitorZeroRoundingTowardZero) {
    QWidget window;
    window.resize(301, 201);
    CenterOnMonitor0(&window);
    const QSize monitor = MonitorSize(0);
    ASSERT_TRUE(monitor.isValid());
    EXPECT_EQ(window.x(), (monitor.width() - 301) / 2);
    EXPECT_EQ(window.y(), (monitor.height() - 201) / 2);
    EXPECT_FALSE(MonitorSize(7).isValid());
}
