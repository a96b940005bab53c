// Duoplan: edits the pair start list of a barometer or Monrad tournament.
#include <QApplication>

#include "Main.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Duoplan");
    std::vector<std::string> arguments(argv, argv + argc);
    // The program file's own path, whatever name it was started by.
    arguments[0] = QCoreApplication::applicationFilePath().toStdString();
    startlist::TMainForm mainForm(arguments);
    mainForm.show();
    return application.exec();
}
