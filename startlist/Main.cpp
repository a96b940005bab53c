#include "Main.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdio>

#include "About.h"
#include "StartListFile.h"
#include "platform/Controls.h"
#include "platform/FileDate.h"
#include "platform/Guard.h"
#include "platform/KeyPress.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "platform/Text.h"
#include "platform/UpDown.h"

namespace startlist {

using platform::FromQString;
using platform::Guarded;
using platform::MakeLabel;
using platform::Place;
using platform::ToQString;

namespace {

std::string DateText(const std::string& fileName) {
    const auto date = platform::FileModificationDate(fileName);
    if (!date) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%d-%02d-%02d", date->year, date->month, date->day);
    return text;
}

}  // namespace

TMainForm::TMainForm(std::vector<std::string> arguments) : FArguments(std::move(arguments)) {
    CreateControls();
    ConnectHandlers();
    SetTabOrder();
    FormCreate();
    AboutForm = std::make_unique<TAboutForm>(this, FDateText);
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateControls() {
    setWindowTitle("Duoplan for Holtvik's program");
    setFont(platform::MakeFont("MS Sans Serif", -11));
    const QFont bold = platform::MakeFont("MS Sans Serif", -16, true);
    const QFont entry = platform::MakeFont("MS Sans Serif", -13);
    auto* client = new QWidget(this);
    setCentralWidget(client);

    lbFile = MakeLabel(client, "", 8, 4, bold);
    Label2 = MakeLabel(client, "Antall bord:", 424, 4, bold);
    edBord = Place(new QLineEdit("0", client), 520, 0, 33, 28, bold);
    udBord = Place(new platform::TUpDown(client), 553, 0, 15, 28, bold);
    bnProcess = Place(new QPushButton("Trekk parnumrene tilfeldig:", client), 152, 32, 233, 28, bold);
    Label4 = MakeLabel(client, "Fra", 392, 36, bold);
    edLo = Place(new QLineEdit("0", client), 424, 32, 41, 28, bold);
    udLo = Place(new platform::TUpDown(client), 465, 32, 15, 28, bold);
    Label5 = MakeLabel(client, "til", 488, 36, bold);
    edHi = Place(new QLineEdit("0", client), 512, 32, 41, 28, bold);
    udHi = Place(new platform::TUpDown(client), 553, 32, 15, 28, bold);
    ListView1 = Place(new platform::TListView(client), 8, 68, 561, 473, font());
    edSelNum = Place(new QLineEdit("0", client), 8, 548, 33, 28, bold);
    udSelNum = Place(new platform::TUpDown(client), 41, 548, 15, 28, bold);
    edSelNavn = Place(new QLineEdit(client), 56, 548, 321, 24, entry);
    edSelClub = Place(new QLineEdit(client), 376, 548, 161, 24, entry);
    bnOK = Place(new QPushButton("OK", client), 536, 549, 41, 24, bold);

    ListView1->AddColumn("Par", 45);
    ListView1->AddColumn("Navn", 320);
    ListView1->AddColumn("Klubb", 160);
    udBord->SetAssociate(edBord);
    udBord->SetRange(0, kMaxTables);
    for (platform::TUpDown* upDown : {udLo, udHi, udSelNum}) upDown->SetRange(0, 100);
    udLo->SetAssociate(edLo);
    udHi->SetAssociate(edHi);
    udSelNum->SetAssociate(edSelNum);
    platform::SetTag(edBord, 1);
    platform::SetTag(edHi, 2);
    platform::SetTag(edLo, 3);
    platform::SetTag(edSelNum, 4);

    mmFile = menuBar()->addAction("Velg &Fil");
    mmSave = menuBar()->addAction("&Lagre");
    mmSaveAs = menuBar()->addAction("Lagre &Som");
    mmExit = menuBar()->addAction("&Avslutt");
    mmAbout = menuBar()->addAction("&Om Duoplan");

    OpenDialog1 = {"Deltakerliste|*.NAV", "NAV", true, false};
    SaveDialog1 = {"Deltakerliste|*.NAV", "NAV", false, true};

    platform::FitToContent(client);
    adjustSize();
    setFixedSize(size());
}

void TMainForm::ConnectHandlers() {
    for (QLineEdit* edit : {edBord, edLo, edHi, edSelNum}) {
        connect(edit, &QLineEdit::textChanged, this, Guarded(this, &TMainForm::edNumChange, edit));
        platform::OnKeyPress(edit, [this](QObject* sender, char& key) { edNumKeyPress(sender, key); });
    }
    for (QLineEdit* edit : {edSelNavn, edSelClub}) {
        connect(edit, &QLineEdit::textChanged, this, Guarded(this, &TMainForm::edStringChange, edit));
        platform::OnKeyPress(edit, [this](QObject* sender, char& key) { edStringKeyPress(sender, key); });
    }
    connect(bnProcess, &QPushButton::clicked, this, Guarded(this, &TMainForm::bnProcessClick));
    connect(bnOK, &QPushButton::clicked, this, Guarded(this, &TMainForm::bnOKClick));
    connect(ListView1, &platform::TListView::SelectItem, this, [this](int row, bool selected) {
        platform::RunGuarded([&] { ListView1SelectItem(row, selected); });
    });
    connect(mmFile, &QAction::triggered, this, Guarded(this, &TMainForm::mmOpenClick));
    connect(mmSave, &QAction::triggered, this, Guarded(this, &TMainForm::mmSaveClick));
    connect(mmSaveAs, &QAction::triggered, this, Guarded(this, &TMainForm::mmSaveAsClick));
    connect(mmExit, &QAction::triggered, this, Guarded(this, &TMainForm::mmExitClick));
    connect(mmAbout, &QAction::triggered, this, Guarded(this, &TMainForm::mmAboutClick));
}

void TMainForm::SetTabOrder() {
    const std::vector<QWidget*> order = {ListView1, edLo,      edHi, udLo,     udHi,   bnProcess, edSelNavn,
                                         edSelClub, edSelNum, bnOK, udSelNum, edBord, udBord};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
}

void TMainForm::FormCreate() {
    platform::CenterOnMonitor0(this);
    FExePath = FArguments.empty() ? std::string() : FArguments[0];
    FDateText = DateText(FExePath);
    FRandom.seed(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
    platform::SetTag(edSelNavn, kNameCapacity);
    platform::SetTag(edSelClub, kClubCapacity);
    FUpDowns = {nullptr, udBord, udHi, udLo, udSelNum};
    ResetList();
    FActivated = false;
}

bool TMainForm::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) platform::RunGuarded([this] { FormActivate(); });
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent* event) {
    // The shown main window is the active one, also where no window manager says so.
    QMetaObject::invokeMethod(this, [this] { platform::RunGuarded([this] { FormActivate(); }); },
                              Qt::QueuedConnection);
    QMainWindow::showEvent(event);
}

void TMainForm::FormActivate() {
    if (FActivated) return;
    // Counts as activated even when the file fails to open, so that the edits work.
    FActivated = true;
    if (FArguments.size() > 1 && platform::FileExists(FArguments[1])) OpenStartList(FArguments[1]);
}

void TMainForm::closeEvent(QCloseEvent* event) {
    // A save at the prompt that fails keeps the window open, with the changes.
    if (!platform::RunGuarded([this] { FormClose(); })) event->ignore();
    else QMainWindow::closeEvent(event);
}

void TMainForm::FormClose() {
    if (FChanged) AskSaveChanges();
}

void TMainForm::SetSilently(int code, int position) {
    QLineEdit* edit = FUpDowns[code]->Associate();
    platform::SetTag(edit, 0);
    FUpDowns[code]->SetPosition(position);
    platform::SetTag(edit, code);
}

void TMainForm::edNumChange(QObject* Sender) {
    const int code = platform::Tag(Sender);
    if (!FActivated || code == 0) return;
    auto* edit = static_cast<QLineEdit*>(Sender);
    int value = 0;
    if (platform::TryStrToInt(FromQString(edit->text()), value)) {
        value = std::clamp(value, FUpDowns[code]->Min(), FUpDowns[code]->Max());
        if (value != FNumbers[code]) {
            FNumbers[code] = value;
            if (code == 1) {
                ResizeList();
                FChanged = true;
            }
        }
    }
    // Also an emptied edit gets its stored number back.
    edit->setText(ToQString(platform::IntToStr(FNumbers[code])));
}

void TMainForm::edNumKeyPress(QObject*, char& Key) {
    if ((Key < '0' || Key > '9') && Key != 8) Key = 0;
}

void TMainForm::edStringKeyPress(QObject* Sender, char& Key) {
    const auto* edit = static_cast<QLineEdit*>(Sender);
    if (edit->text().size() >= platform::Tag(Sender) && Key != 8) Key = 0;
}

void TMainForm::edStringChange(QObject* Sender) {
    auto* edit = static_cast<QLineEdit*>(Sender);
    const int limit = platform::Tag(Sender);
    if (edit->text().size() > limit) edit->setText(edit->text().left(limit));
}

void TMainForm::ResetList() {
    FNumbers[1] = 0;
    ResizeList();
    FChanged = false;
    FFile.reset();
    ListView1->Clear();
}

void TMainForm::ResizeList() {
    FRows = 2 * FNumbers[1];
    ListView1->BeginUpdate();
    while (ListView1->Count() < FRows) ListView1->AddRow({platform::IntToStr(ListView1->Count() + 1), "", ""});
    while (ListView1->Count() > FRows) ListView1->DeleteLast();
    ListView1->EndUpdate();
    if (FRows >= 1) {
        SetSilently(1, FNumbers[1]);
        for (int code : {2, 3, 4}) {
            FNumbers[code] = code == 2 ? FRows : 1;
            FUpDowns[code]->SetRange(1, FRows);
            SetSilently(code, FNumbers[code]);
        }
    } else {
        for (int code : {2, 3, 4}) FUpDowns[code]->SetRange(0, FUpDowns[code]->Max());
        for (int code : {1, 2, 3, 4}) SetSilently(code, 0);
    }
    EnableEntryControls(FRows >= 1);
    edSelNavn->clear();
    edSelClub->clear();
}

void TMainForm::EnableEntryControls(bool enabled) {
    for (QWidget* control : std::initializer_list<QWidget*>{udHi, udLo, udSelNum, edHi, edLo, edSelNum,
                                                            edSelNavn, edSelClub, bnOK, bnProcess})
        control->setEnabled(enabled);
    mmSave->setEnabled(enabled);
}

void TMainForm::mmExitClick() { close(); }

void TMainForm::mmAboutClick() {
    AboutForm->move(x() + (width() - AboutForm->width()) / 2, y() + (height() - AboutForm->height()) / 2);
    AboutForm->show();
    AboutForm->raise();
    AboutForm->activateWindow();
}

}  // namespace startlist
