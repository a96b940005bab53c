#include "KeyPress.h"

#include <QKeyEvent>
#include <QWidget>

#include "Guard.h"
#include "Text.h"

namespace platform {
namespace {

class KeyPressFilter : public QObject {
public:
    KeyPressFilter(QObject* parent, KeyPressHandler handler)
        : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* keyEvent = static_cast<QKeyEvent*>(event);
        char key = 0;
        if (keyEvent->key() == Qt::Key_Backspace) key = 8;
        else if (!keyEvent->text().isEmpty()) key = FromQString(keyEvent->text().left(1))[0];
        else return false;
        RunGuarded([&] { handler_(watched, key); });
        return key == 0;
    }

private:
    KeyPressHandler handler_;
};

}  // namespace

void OnKeyPress(QWidget* widget, KeyPressHandler handler) {
    widget->installEventFilter(new KeyPressFilter(widget, std::move(handler)));
}

}  // namespace platform
