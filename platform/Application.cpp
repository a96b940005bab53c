#include "Application.h"

#include <QCoreApplication>

#include "Text.h"

namespace platform {

std::string ProgramTitle() { return FromQString(QCoreApplication::applicationName()); }

void ProcessMessages() { QCoreApplication::processEvents(); }

bool Terminating() { return !QCoreApplication::instance() || QCoreApplication::closingDown(); }

}  // namespace platform
