#pragma once
// An up-down bound to an edit: its position lives in the edit's text. Setting the position
// rewrites that text, which raises the edit's change handler as any other change of it does.
#include <QWidget>

class QLineEdit;
class QToolButton;

namespace platform {

class TUpDown : public QWidget {
    Q_OBJECT
public:
    explicit TUpDown(QWidget* parent);
    void SetAssociate(QLineEdit* edit);
    QLineEdit* Associate() const { return associate_; }
    void SetRange(int minimum, int maximum);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Limited to the range; never wraps.
    void SetPosition(int position);
    int Position() const { return position_; }
    // What a press of an arrow does: one step from the number the edit shows.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* associate_ = nullptr;
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace platform
