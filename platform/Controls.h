#pragma once
// Small services our windows need from every control.
#include <QFont>

class QLabel;
class QObject;
class QWidget;

namespace platform {

// A number a window keeps on a control for its own use (the handlers read it back).
int Tag(const QObject* control);
void SetTag(QObject* control, int tag);

// A font given as our windows give it: a face and a negative height, the character height
// in pixels.
QFont MakeFont(const char* face, int height, bool bold = false);

// A label at a place, sized to its text (given in UTF-8), as our automatically sized labels are.
QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top, const QFont& font);

// Puts a control at its designed place with its font.
template <class Control>
Control* Place(Control* control, int left, int top, int width, int height, const QFont& font) {
    control->setGeometry(left, top, width, height);
    control->setFont(font);
    return control;
}

// Sizes a window's client area to the controls on it, as our automatically sized windows do.
void FitToContent(QWidget* client);

}  // namespace platform
