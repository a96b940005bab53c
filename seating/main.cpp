// KVB: writes the seating file of an individual tournament for Rundeverket.
#include "Main.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("KVB");
    seating::TMainForm mainForm;
    mainForm.show();
    return application.exec();
}
