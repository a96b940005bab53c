// The window's controls, its table count and numeric edits, and the About window.
#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>

#include "Fixture.h"
#include "platform/UpDown.h"
#include "startlist/About.h"

namespace startlist {

TEST_F(DuoplanTest, TheWindowShowsItsControlsWhereTheyBelong) {
    Start();
    EXPECT_EQ(form->windowTitle(), "Duoplan for Holtvik's program");
    struct Place { QWidget* control; QRect rect; };
    const Place places[] = {
        {form->edBord, {520, 0, 33, 28}},     {form->udBord, {553, 0, 15, 28}},
        {form->bnProcess, {152, 32, 233, 28}}, {form->edLo, {424, 32, 41, 28}},
        {form->edHi, {512, 32, 41, 28}},       {form->ListView1, {8, 68, 561, 473}},
        {form->edSelNum, {8, 548, 33, 28}},    {form->edSelNavn, {56, 548, 321, 24}},
        {form->edSelClub, {376, 548, 161, 24}}, {form->bnOK, {536, 549, 41, 24}},
    };
    for (const Place& place : places) EXPECT_EQ(place.control->geometry(), place.rect) << place.control->metaObject()->className();
    EXPECT_EQ(form->Label2->text(), "Antall bord:");
    EXPECT_EQ(form->bnProcess->text(), "Trekk parnumrene tilfeldig:");
    EXPECT_TRUE(form->edBord->font().bold());
    EXPECT_EQ(form->edBord->font().pixelSize(), 16);
    EXPECT_EQ(form->edSelNavn->font().pixelSize(), 13);

    QStringList menu;
    for (QAction* action : form->menuBar()->actions()) menu << action->text();
    EXPECT_EQ(menu, (QStringList{"Velg &Fil", "&Lagre", "Lagre &Som", "&Avslutt", "&Om Duoplan"}));
    EXPECT_TRUE(form->menuBar()->actions()[0]->menu() == nullptr);

    const QHeaderView* header = form->ListView1->horizontalHeader();
    EXPECT_EQ(form->ListView1->horizontalHeaderItem(2)->text(), "Klubb");
    EXPECT_EQ(header->sectionSize(0), 45);
    EXPECT_EQ(header->sectionSize(1), 320);
    EXPECT_EQ(header->sectionSize(2), 160);

    const QWidget* expected[] = {form->ListView1, form->edLo, form->edHi, form->udLo, form->udHi, form->bnProcess,
                                 form->edSelNavn, form->edSelClub, form->edSelNum, form->bnOK, form->udSelNum,
                                 form->edBord, form->udBord};
    auto nextTabStop = [](const QWidget* widget) {
        QWidget* next = widget->nextInFocusChain();
        while (!(next->focusPolicy() & Qt::TabFocus) || next->isAncestorOf(widget)) next = next->nextInFocusChain();
        return next;
    };
    for (std::size_t i = 0; i + 1 < std::size(expected); ++i) EXPECT_EQ(nextTabStop(expected[i]), expected[i + 1]) << i;
}

TEST_F(DuoplanTest, AtStartOnlyTheTableCountAndTheFileCommandsAreUsable) {
    Start();
    EXPECT_EQ(form->ListView1->Count(), 0);
    EXPECT_TRUE(form->edBord->isEnabled());
    EXPECT_FALSE(form->mmSave->isEnabled());
    for (QWidget* control : {(QWidget*)form->edLo, (QWidget*)form->edHi, (QWidget*)form->edSelNum,
                             (QWidget*)form->edSelNavn, (QWidget*)form->bnOK, (QWidget*)form->bnProcess})
        EXPECT_FALSE(control->isEnabled());
    for (QLineEdit* edit : {form->edBord, form->edLo, form->edHi, form->edSelNum}) EXPECT_EQ(Text(edit), "0");
    EXPECT_TRUE(form->FActivated);
}

TEST_F(DuoplanTest, ATableCountStartsAListOfEmptyPairs) {
    Start();
    TypeOver(form->edBord, "4");
    EXPECT_EQ(PairNumbers(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
    EXPECT_EQ(Rows(), std::vector<Entry>(8));
    EXPECT_TRUE(form->FChanged);
    EXPECT_TRUE(form->mmSave->isEnabled());
    EXPECT_EQ(Text(form->edLo), "1");
    EXPECT_EQ(Text(form->edHi), "8");
    EXPECT_EQ(Text(form->edSelNum), "1");
}

TEST_F(DuoplanTest, TypedTableCountsAreHeldToTheRange) {
    Start();
    TypeOver(form->edBord, "150");
    EXPECT_EQ(form->FNumbers[1], 99);
    EXPECT_EQ(form->ListView1->Count(), 198);
    EXPECT_EQ(Text(form->edBord), "99");
    TypeOver(form->edBord, "07");
    EXPECT_EQ(form->FNumbers[1], 7);
    EXPECT_EQ(Text(form->edBord), "7");
}

TEST_F(DuoplanTest, EveryKeystrokeInTheTableCountTakesEffectAtOnce) {
    StartWith(Entries(20));
    TypeOver(form->edBord, "1");
    EXPECT_EQ(Rows(), (std::vector<Entry>{{"Par 1", "Klubb 1"}, {"Par 2", "Klubb 2"}}));
    QTest::keyClicks(form->edBord, "2");
    ASSERT_EQ(form->ListView1->Count(), 24);
    EXPECT_EQ(Rows()[1], (Entry{"Par 2", "Klubb 2"}));
    for (int row = 2; row < 24; ++row) EXPECT_EQ(Rows()[row], Entry{}) << row;
    EXPECT_EQ(PairNumbers().back(), "24");
    EXPECT_EQ(Text(form->edHi), "24");
}

TEST_F(DuoplanTest, GrowingAndShrinkingResetsTheRangeTheNumberAndTheEdits) {
    StartWith(Entries(6));
    ClickRow(2);
    EXPECT_EQ(Text(form->edSelNavn), "Par 3");
    TypeOver(form->edBord, "5");
    EXPECT_EQ(form->ListView1->Count(), 10);
    EXPECT_EQ(Rows()[5], (Entry{"Par 6", "Klubb 6"}));
    EXPECT_EQ(Rows()[6], Entry{});
    EXPECT_EQ(Text(form->edSelNavn), "");
    EXPECT_EQ(Text(form->edSelNum), "1");
    EXPECT_EQ(form->udHi->Max(), 10);
    EXPECT_TRUE(form->FChanged);
}

TEST_F(DuoplanTest, NumericEditsTakeOnlyDigitsAndSnapBackWhenEmptied) {
    StartWith(Entries(8));
    TypeOver(form->edBord, "x-");
    EXPECT_EQ(Text(form->edBord), "4");  // the letters were discarded, nothing was replaced
    form->edLo->end(false);
    QTest::keyClick(form->edLo, Qt::Key_Backspace);
    EXPECT_EQ(Text(form->edLo), "1");
    EXPECT_EQ(form->FNumbers[3], 1);
    TypeOver(form->edLo, "9");  // a pair number beyond the list
    EXPECT_EQ(Text(form->edLo), "8");
    EXPECT_EQ(form->FNumbers[3], 8);
    EXPECT_FALSE(form->FChanged);  // the draw range is no change of the list
}

TEST_F(DuoplanTest, TheUpDownsWorkTheirEdits) {
    StartWith(Entries(4));
    form->udBord->Step(1);
    EXPECT_EQ(form->ListView1->Count(), 6);
    form->udHi->Step(1);  // already at the last pair
    EXPECT_EQ(Text(form->edHi), "6");
    form->udHi->Step(-1);
    EXPECT_EQ(form->FNumbers[2], 5);
}

TEST_F(DuoplanTest, TheNameAndClubEditsHoldTheirFieldsCapacity) {
    StartWith(Entries(2));
    QTest::keyClicks(form->edSelNavn, QString(41, 'n'));
    EXPECT_EQ(form->edSelNavn->text().size(), 40);
    form->edSelNavn->selectAll();
    QTest::keyClicks(form->edSelNavn, "x");  // not even over a selection
    EXPECT_EQ(form->edSelNavn->text(), QString(40, 'n'));
    form->edSelNavn->end(false);
    QTest::keyClick(form->edSelNavn, Qt::Key_Backspace);
    EXPECT_EQ(form->edSelNavn->text().size(), 39);
    form->edSelClub->setText(QString(30, 'c'));  // as a paste does
    EXPECT_EQ(form->edSelClub->text(), QString(20, 'c'));
}

TEST_F(DuoplanTest, TheAboutWindowShowsTheProgramDateCentredOverTheMainWindow) {
    Start();
    form->mmAbout->trigger();
    TAboutForm& about = *form->AboutForm;
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(about.windowTitle(), "About Duoplan, version: 2024-03-05");
    EXPECT_EQ(about.x(), form->x() + (form->width() - about.width()) / 2);
    EXPECT_EQ(about.y(), form->y() + (form->height() - about.height()) / 2);
    EXPECT_EQ(about.Label4->text(), "Dette programmet er skrevet av:");
    about.bnOK->click();
    EXPECT_FALSE(about.isVisible());
    form->mmAbout->trigger();
    EXPECT_EQ(about.windowTitle(), "About Duoplan, version: 2024-03-05");
    EXPECT_TRUE(form->isEnabled());  // modeless
}

}  // namespace startlist
