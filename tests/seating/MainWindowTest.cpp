// The window as the organiser meets it: its controls, the count edits, the key filter and the grid.
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>

#include "Fixture.h"
#include "platform/Screen.h"
#include "platform/UpDown.h"

namespace seating {

using platform::FromUtf8;

TEST_F(KvbTest, ShowsTheDesignedControls) {
    EXPECT_EQ(form->windowTitle(), "KVB");
    struct Expected {
        QWidget* control;
        QRect geometry;
    };
    for (const Expected& e :
         {Expected{form->edBord, {0, 32, 33, 30}}, Expected{form->udBord, {33, 32, 15, 30}},
          Expected{form->edSitter, {0, 72, 33, 30}}, Expected{form->udSitter, {33, 72, 15, 30}},
          Expected{form->edGrupper, {0, 112, 33, 30}}, Expected{form->udGrupper, {33, 112, 15, 30}},
          Expected{form->bnSave, {0, 160, 145, 33}}, Expected{form->bnClose, {0, 208, 145, 33}},
          Expected{form->BordTab, {152, 32, 353, 305}}}) {
        EXPECT_EQ(e.control->geometry(), e.geometry) << e.control->metaObject()->className();
        EXPECT_EQ(e.control->font().family(), "Arial");
        EXPECT_EQ(e.control->font().pixelSize(), 19);
        EXPECT_TRUE(e.control->font().bold());
    }
    struct Label {
        QLabel* label;
        const char* text;
        QPoint at;
    };
    for (const Label& l :
         {Label{form->Label1, "Lag KVB-fil til rundeverket for singleturnering", {0, 0}},
          Label{form->Label2, "bord", {56, 34}}, Label{form->Label3, "sitter", {56, 74}},
          Label{form->Label4, "grupper", {56, 114}}}) {
        EXPECT_EQ(l.label->text(), l.text);
        EXPECT_EQ(l.label->pos(), l.at);
        EXPECT_GE(l.label->width(), l.label->sizeHint().width()) << l.text;  // not clipped
        EXPECT_TRUE(l.label->font().bold());
    }
    EXPECT_EQ(form->bnSave->text(), "Skriv ny fil");
    EXPECT_EQ(form->bnClose->text(), "Avslutt");
    // Sized to its content: the grid's lower right corner is the client's.
    EXPECT_EQ(form->centralWidget()->size(), QSize(505, 337));
    const QSize monitor = platform::MonitorSize(0);
    EXPECT_EQ(form->pos(), QPoint((monitor.width() - form->width()) / 2,
                                  (monitor.height() - form->height()) / 2));
}

TEST_F(KvbTest, StartsWithTwoTablesNoStationaryPlayersAndOneGroup) {
    struct Count {
        QLineEdit* edit;
        platform::TUpDown* upDown;
        const char* text;
        int min, max;
    };
    for (const Count& c : {Count{form->edBord, form->udBord, "2", 2, 100},
                           Count{form->edSitter, form->udSitter, "0", 0, 3},
                           Count{form->edGrupper, form->udGrupper, "1", 1, 100}}) {
        EXPECT_EQ(Text(c.edit), c.text);
        EXPECT_EQ(c.upDown->Associate(), c.edit);
        EXPECT_EQ(c.upDown->Min(), c.min);
        EXPECT_EQ(c.upDown->Max(), c.max);
    }
    EXPECT_EQ((std::array{form->TableCount, form->SitterCount, form->GroupCount, form->PlayerCount,
                          form->MoverCount}),
              (std::array{2, 0, 1, 8, 8}));
    EXPECT_EQ(form->BordTab->ColCount(), 5);
    EXPECT_EQ(form->BordTab->RowCount(), 3);
    std::vector<std::string> headers;
    for (int column = 0; column < 5; ++column) headers.push_back(form->BordTab->Cell(column, 0));
    EXPECT_EQ(headers, (std::vector<std::string>{"Bord", "Nord", "Syd", FromUtf8("Øst"), "Vest"}));
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(form->SaveDialog1.filter, "Rundeverket|*.KVB");
    EXPECT_EQ(form->SaveDialog1.defaultExtension, "KVB");
    EXPECT_TRUE(form->SaveDialog1.overwritePrompt);
}

TEST_F(KvbTest, TabGoesThroughTheControlsInTheDesignedOrder) {
    const std::vector<QWidget*> order = {form->BordTab,  form->edBord,    form->udBord,
                                         form->edSitter, form->udSitter,  form->bnSave,
                                         form->bnClose,  form->edGrupper, form->udGrupper};
    QWidget* at = form->BordTab;
    for (std::size_t i = 1; i < order.size(); ++i) {
        do at = at->nextInFocusChain();
        while (at->focusPolicy() == Qt::NoFocus || !at->isVisibleTo(form.get()) ||
               at->parentWidget() != form->centralWidget());
        EXPECT_EQ(at, order[i]) << i;
    }
}

TEST_F(KvbTest, CountsAreLimitedToTheirRangeAndTheEditShowsTheLimit) {
    struct Case {
        QLineEdit* edit;
        const char* typed;
        const char* shown;
        int TMainForm::*count;
        int value;
    };
    for (const Case& c : {Case{form->edBord, "1", "2", &TMainForm::TableCount, 2},
                          Case{form->edBord, "150", "100", &TMainForm::TableCount, 100},
                          Case{form->edBord, "37", "37", &TMainForm::TableCount, 37},
                          Case{form->edSitter, "4", "3", &TMainForm::SitterCount, 3},
                          Case{form->edGrupper, "0", "1", &TMainForm::GroupCount, 1},
                          Case{form->edGrupper, "150", "100", &TMainForm::GroupCount, 100}}) {
        TypeOver(c.edit, c.typed);
        EXPECT_EQ(Text(c.edit), c.shown) << c.typed;
        EXPECT_EQ((*form).*c.count, c.value) << c.typed;
    }
    EXPECT_TRUE(script->boxes.empty());
}

TEST_F(KvbTest, PlayerAndMoverCountsFollowTablesAndStationaryPlayers) {
    TypeOver(form->edBord, "3");
    TypeOver(form->edSitter, "2");
    EXPECT_EQ(form->PlayerCount, 12);
    EXPECT_EQ(form->MoverCount, 10);
    TypeOver(form->edBord, "5");
    EXPECT_EQ(form->PlayerCount, 20);
    EXPECT_EQ(form->MoverCount, 18);
    EXPECT_EQ(form->BordTab->RowCount(), 6);
    // The arrows step without wrapping.
    form->udSitter->Step(1);
    form->udSitter->Step(1);
    EXPECT_EQ(Text(form->edSitter), "3");
    EXPECT_EQ(form->MoverCount, 17);
    form->udBord->SetPosition(2);
    form->udBord->Step(-1);
    EXPECT_EQ(Text(form->edBord), "2");
    EXPECT_EQ(form->PlayerCount, 8);
}

TEST_F(KvbTest, AChangedTableCountEmptiesTheGridWhileTheOtherCountsKeepIt) {
    FillGrid(kWorkedGrid);
    TypeOver(form->edSitter, "1");
    TypeOver(form->edGrupper, "4");
    EXPECT_EQ(Column(4), (std::vector<std::string>{"4", "8"}));

    TypeOver(form->edBord, "3");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2", "3"}));
    for (int column = 1; column <= 4; ++column)
        EXPECT_EQ(Column(column), (std::vector<std::string>(3, ""))) << column;

    FillGrid({{"1", "2", "3", "4"}, {"5", "6", "7", "8"}, {"9", "10", "11", "12"}});
    TypeOver(form->edBord, "2");
    EXPECT_EQ(Column(0), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(1), (std::vector<std::string>{"", ""}));
}

TEST_F(KvbTest, AnEmptiedCountEditIsAConversionErrorAndTheCountStays) {
    form->edBord->selectAll();
    QTest::keyClick(form->edBord, Qt::Key_Backspace);
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].icon, platform::MsgIcon::Error);
    EXPECT_EQ(script->boxes[0].caption, "Testprogram");
    EXPECT_EQ(form->TableCount, 2);
    EXPECT_EQ(form->BordTab->RowCount(), 3);
}

TEST_F(KvbTest, OnlyDigitsAndBackspaceCanBeTyped) {
    TypeOver(form->edGrupper, "x1-2 .");
    EXPECT_EQ(Text(form->edGrupper), "12");
    QTest::keyClick(form->edGrupper, Qt::Key_Backspace);
    EXPECT_EQ(Text(form->edGrupper), "1");

    TypeCell(1, 1, "a7b.5-");
    EXPECT_EQ(form->BordTab->Cell(1, 1), "75");
    QTest::keyClick(form->BordTab->Editor(), Qt::Key_Backspace);
    EXPECT_EQ(form->BordTab->Cell(1, 1), "7");
    ASSERT_TRUE(form->BordTab->SelectCell(2, 2));
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_Ooblique, Qt::NoModifier, QString::fromUtf8("ø"));
    QCoreApplication::sendEvent(form->BordTab->Editor(), &letter);
    EXPECT_EQ(form->BordTab->Cell(2, 2), "");

    char key = 'q';
    form->NumKeyPress(form->BordTab, key);
    EXPECT_EQ(key, 0);
}

TEST_F(KvbTest, TheTableNumberColumnCannotBeEntered) {
    bool canSelect = true;
    form->BordTabSelectCell(form->BordTab, 0, 1, canSelect);
    EXPECT_FALSE(canSelect);
    form->BordTabSelectCell(form->BordTab, 1, 1, canSelect);
    EXPECT_TRUE(canSelect);

    ASSERT_TRUE(form->BordTab->SelectCell(4, 1));
    EXPECT_FALSE(form->BordTab->SelectCell(0, 2));
    EXPECT_EQ(form->BordTab->Col(), 4);
    // Tab from the last seat of a table goes on to North of the next, past the table number.
    QTest::keyClick(form->BordTab->Editor(), Qt::Key_Tab);
    EXPECT_EQ(form->BordTab->Col(), 1);
    EXPECT_EQ(form->BordTab->Row(), 2);
    // A click on a table number leaves the current cell where it is.
    QHeaderView* numbers = form->BordTab->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(10, numbers->sectionViewportPosition(0) + 5));
    EXPECT_EQ(form->BordTab->Col(), 1);
    EXPECT_EQ(form->BordTab->Row(), 2);
}

TEST_F(KvbTest, AvsluttClosesTheWindow) {
    form->bnClose->click();
    EXPECT_FALSE(form->isVisible());
}

}  // namespace seating
