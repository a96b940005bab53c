#pragma once
// Small services our windows need from every control.
#include <QFont>

class QObject;
class QWidget;

namespace platform {

// A number a window keeps on a control for its own use (the handlers read it back).
int Tag(const QObject* control);
void SetTag(QObject* control, int tag);

// A font given as our windows give it: a face and a negative height, the character height
// in pixels.
QFont MakeFont(const char* face, int height, bool bold = false);

// Sizes a window's client area to the controls on it, as our automatically sized windows do.
void FitToContent(QWidget* client);

}  // namespace platform
