#include "Main.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#include "platform/Controls.h"
#include "platform/Guard.h"
#include "platform/KeyPress.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"
#include "platform/StringGrid.h"
#include "platform/Text.h"
#include "platform/UpDown.h"

namespace seating {

using platform::FromQString;
using platform::Guarded;
using platform::MakeLabel;
using platform::Place;
using platform::ToQString;

namespace {

platform::TUpDown* MakeUpDown(QWidget* parent, QLineEdit* edit, int top, int minimum, int maximum,
                              const QFont& font) {
    auto* upDown = Place(new platform::TUpDown(parent), 33, top, 15, 30, font);
    upDown->SetAssociate(edit);
    upDown->SetRange(minimum, maximum);
    upDown->SetPosition(minimum);
    return upDown;
}

}  // namespace

TMainForm::TMainForm() {
    CreateControls();
    ConnectHandlers();
    SetTabOrder();
    FormCreate();
}

TMainForm::~TMainForm() = default;

void TMainForm::CreateControls() {
    setWindowTitle("KVB");
    const QFont font = platform::MakeFont("Arial", -19, true);
    setFont(font);
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Label1 = MakeLabel(client, "Lag KVB-fil til rundeverket for singleturnering", 0, 0, font);
    edBord = Place(new QLineEdit("2", client), 0, 32, 33, 30, font);
    udBord = MakeUpDown(client, edBord, 32, 2, 100, font);
    Label2 = MakeLabel(client, "bord", 56, 34, font);
    edSitter = Place(new QLineEdit("0", client), 0, 72, 33, 30, font);
    udSitter = MakeUpDown(client, edSitter, 72, 0, 3, font);
    Label3 = MakeLabel(client, "sitter", 56, 74, font);
    edGrupper = Place(new QLineEdit("1", client), 0, 112, 33, 30, font);
    udGrupper = MakeUpDown(client, edGrupper, 112, 1, 100, font);
    Label4 = MakeLabel(client, "grupper", 56, 114, font);
    bnSave = Place(new QPushButton("Skriv ny fil", client), 0, 160, 145, 33, font);
    bnClose = Place(new QPushButton("Avslutt", client), 0, 208, 145, 33, font);
    BordTab = Place(new platform::TStringGrid(client), 152, 32, 353, 305, font);
    BordTab->SetColCount(5);
    BordTab->SetRowCount(TableCount + 1);
    BordTab->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    BordTab->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    SaveDialog1 = {"Rundeverket|*.KVB", "KVB", false, true};

    platform::FitToContent(client);
    adjustSize();
    setFixedSize(size());
}

void TMainForm::ConnectHandlers() {
    connect(edBord, &QLineEdit::textChanged, this, Guarded(this, &TMainForm::edBordChange, edBord));
    connect(edSitter, &QLineEdit::textChanged, this,
            Guarded(this, &TMainForm::edSitterChange, edSitter));
    connect(edGrupper, &QLineEdit::textChanged, this,
            Guarded(this, &TMainForm::edGrupperChange, edGrupper));
    for (QLineEdit* edit : {edBord, edSitter, edGrupper})
        platform::OnKeyPress(edit,
                             [this](QObject* sender, char& key) { NumKeyPress(sender, key); });
    BordTab->OnKeyPress([this](QObject* sender, char& key) { NumKeyPress(sender, key); });
    BordTab->OnSelectCell([this](QObject* sender, int col, int row, bool& can) {
        BordTabSelectCell(sender, col, row, can);
    });
    connect(bnSave, &QPushButton::clicked, this, Guarded(this, &TMainForm::bnSaveClick));
    connect(bnClose, &QPushButton::clicked, this, Guarded(this, &TMainForm::bnCloseClick));
}

void TMainForm::SetTabOrder() {
    const std::vector<QWidget*> order = {BordTab, edBord,  udBord,    edSitter, udSitter,
                                         bnSave,  bnClose, edGrupper, udGrupper};
    for (std::size_t i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    // The first in the tab order starts with the focus, so the first cell can be typed into.
    BordTab->setFocus();
}

void TMainForm::FormCreate() {
    platform::CenterOnMonitor0(this);
    const char* headers[] = {"Bord", "Nord", "Syd", "Øst", "Vest"};
    for (int column = 0; column < 5; ++column)
        BordTab->SetCell(column, 0, platform::FromUtf8(headers[column]));
    FillTableRows();
}

int TMainForm::LimitedCount(QLineEdit* edit, const platform::TUpDown* upDown) {
    const int typed = platform::StrToInt(FromQString(edit->text()));
    const int value = std::clamp(typed, upDown->Min(), upDown->Max());
    // Shown at once; the change this makes comes back here with the limited value.
    if (value != typed) edit->setText(ToQString(platform::IntToStr(value)));
    return value;
}

void TMainForm::edBordChange(QObject* Sender) {
    const int value = LimitedCount(static_cast<QLineEdit*>(Sender), udBord);
    if (value == TableCount) return;
    TableCount = value;
    PlayerCount = 4 * TableCount;
    MoverCount = PlayerCount - SitterCount;
    BordTab->SetRowCount(TableCount + 1);
    FillTableRows();
}

void TMainForm::edSitterChange(QObject* Sender) {
    const int value = LimitedCount(static_cast<QLineEdit*>(Sender), udSitter);
    if (value == SitterCount) return;
    SitterCount = value;
    MoverCount = PlayerCount - SitterCount;
}

void TMainForm::edGrupperChange(QObject* Sender) {
    GroupCount = LimitedCount(static_cast<QLineEdit*>(Sender), udGrupper);
}

void TMainForm::FillTableRows() {
    for (int table = TableCount; table >= 1; --table) {
        BordTab->SetCell(0, table, platform::IntToStr(table));
        for (int column = 1; column <= kSeatCount; ++column) BordTab->SetCell(column, table, "");
    }
}

void TMainForm::NumKeyPress(QObject*, char& Key) {
    if ((Key < '0' || Key > '9') && Key != 8) Key = 0;
}

void TMainForm::BordTabSelectCell(QObject*, int ACol, int, bool& CanSelect) {
    CanSelect = ACol != 0;
}

void TMainForm::bnCloseClick() { close(); }

}  // namespace seating
