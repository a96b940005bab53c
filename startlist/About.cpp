#include "About.h"

#include <QLabel>
#include <QPushButton>

#include "platform/Controls.h"
#include "platform/Guard.h"
#include "platform/Text.h"

namespace startlist {

TAboutForm::TAboutForm(QWidget* owner, const std::string& dateText)
    : QWidget(owner, Qt::Window), FDateText(dateText) {
    setWindowTitle("About Duoplan");
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    const QFont labelFont = platform::MakeFont("Arial", -16);
    Label1 = platform::MakeLabel(this, "Redigerer startliste til barometer- og Monrad-", 0, 0, labelFont);
    Label2 = platform::MakeLabel(this, "turneringer der regnskapet utføres med", 0, 19, labelFont);
    Label3 = platform::MakeLabel(this, "et eksternt regneprogram for parturneringer.", 0, 38, labelFont);
    Label4 = platform::MakeLabel(this, "Dette programmet er skrevet av:", 0, 63, labelFont);
    Label5 = platform::MakeLabel(this, "Duoplan-prosjektet", 6, 88, labelFont);
    Label6 = platform::MakeLabel(this, "Se prosjektets", 6, 106, labelFont);
    Label7 = platform::MakeLabel(this, "saksliste", 6, 125, labelFont);
    Label8 = platform::MakeLabel(this, "Telefon: ingen", 157, 88, labelFont);
    Label9 = platform::MakeLabel(this, "Faks: ingen", 169, 106, labelFont);
    bnOK = new QPushButton("OK", this);
    bnOK->setGeometry(120, 136, 183, 29);
    bnOK->setFont(platform::MakeFont("Arial", -16, true));
    connect(bnOK, &QPushButton::clicked, this, platform::Guarded(this, &TAboutForm::bnOKClick));
    platform::FitToContent(this);
}

void TAboutForm::showEvent(QShowEvent* event) {
    platform::RunGuarded([this] { FormShow(); });
    QWidget::showEvent(event);
}

void TAboutForm::FormShow() {
    setWindowTitle(platform::ToQString("About Duoplan, version: " + FDateText));
}

void TAboutForm::bnOKClick() { hide(); }

}  // namespace startlist
