#include "About.h"

#include <QLabel>
#include <QPushButton>

#include "platform/Controls.h"
#include "platform/Guard.h"
#include "platform/Text.h"

namespace startlist {

namespace {

QLabel* MakeLabel(QWidget* parent, const char* text, int left, int top) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFont(platform::MakeFont("Arial", -16));
    label->move(left, top);
    label->adjustSize();
    return label;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner, const std::string& dateText)
    : QWidget(owner, Qt::Window), FDateText(dateText) {
    setWindowTitle("About Duoplan");
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    Label1 = MakeLabel(this, "Redigerer startliste til barometer- og Monrad-", 0, 0);
    Label2 = MakeLabel(this, "turneringer der regnskapet utføres med", 0, 19);
    Label3 = MakeLabel(this, "et eksternt regneprogram for parturneringer.", 0, 38);
    Label4 = MakeLabel(this, "Dette programmet er skrevet av:", 0, 63);
    Label5 = MakeLabel(this, "Duoplan-prosjektet", 6, 88);
    Label6 = MakeLabel(this, "Se prosjektets", 6, 106);
    Label7 = MakeLabel(this, "saksliste", 6, 125);
    Label8 = MakeLabel(this, "Telefon: ingen", 157, 88);
    Label9 = MakeLabel(this, "Faks: ingen", 169, 106);
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
