#pragma once
#include <QSize>

class QWidget;

namespace platform {

// Our layouts are designed at 96 pixels per inch whatever the real screen says.
constexpr int kPixelsPerInch = 96;

QSize MonitorSize(int index);
// Bits per pixel of the primary screen; 24 when there is none.
int ScreenBitsPerPixel();
// Centres a window on monitor 0: (monitor size - window size) / 2, without the monitor's origin.
void CenterOnMonitor0(QWidget* window);

}  // namespace platform
