#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace platform {

QSize MonitorSize(int index) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index < 0 || index >= screens.size()) return {};
    return screens[index]->geometry().size();
}

int ScreenBitsPerPixel() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 24;
}

void CenterOnMonitor0(QWidget* window) {
    const QSize monitor = MonitorSize(0);
    window->move((monitor.width() - window->width()) / 2, (monitor.height() - window->height()) / 2);
}

}  // namespace platform
