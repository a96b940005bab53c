#include "UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

#include "Numbers.h"
#include "Text.h"

namespace platform {

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    for (QToolButton* button : {up_, down_}) {
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
    setFocusPolicy(Qt::TabFocus);
}

void TUpDown::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        up_->setEnabled(isEnabled());
        down_->setEnabled(isEnabled());
    }
    QWidget::changeEvent(event);
}

void TUpDown::resizeEvent(QResizeEvent* event) {
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
    QWidget::resizeEvent(event);
}

void TUpDown::SetAssociate(QLineEdit* edit) {
    associate_ = edit;
    edit->installEventFilter(this);
}

void TUpDown::SetRange(int minimum, int maximum) {
    min_ = minimum;
    max_ = maximum;
    position_ = std::clamp(position_, min_, std::max(min_, max_));
}

void TUpDown::SetPosition(int position) {
    position_ = std::clamp(position, min_, std::max(min_, max_));
    if (associate_) associate_->setText(ToQString(IntToStr(position_)));
}

void TUpDown::Step(int delta) {
    int shown = position_;
    if (associate_ && TryStrToInt(FromQString(associate_->text()), shown)) position_ = shown;
    SetPosition(position_ + delta);
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event) {
    // The arrow keys in the edit work the up-down, as its arrows do.
    if (watched == associate_ && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            Step(key == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace platform
