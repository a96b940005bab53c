#pragma once
// Duoplan's About window: what the program is for, who wrote it, and the build's date.
#include <QWidget>
#include <string>

class QLabel;
class QPushButton;

namespace startlist {

class TAboutForm : public QWidget {
    Q_OBJECT
public:
    // dateText: the program file's date, read again each time the window is shown.
    TAboutForm(QWidget* owner, const std::string& dateText);

    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;
    QLabel* Label8;
    QLabel* Label9;
    QPushButton* bnOK;

    void FormShow();
    void bnOKClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    const std::string& FDateText;
};

}  // namespace startlist
