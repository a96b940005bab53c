// The draw of pair numbers, the entry editor and the list's selection.
#include <set>

#include "Fixture.h"

namespace startlist {

TEST_F(DuoplanTest, SelectingAPairFillsTheEditsTrimmedAndDeselectingEmptiesThem) {
    StartWith({{"A", "a"}, {"  Ola Nordmann  ", " BK "}, {"C", "c"}});
    ClickRow(1);
    EXPECT_EQ(Text(form->edSelNum), "2");
    EXPECT_EQ(Text(form->edSelNavn), "Ola Nordmann");
    EXPECT_EQ(Text(form->edSelClub), "BK");
    EXPECT_EQ(form->FNumbers[4], 1);  // shown silently, not stored
    form->ListView1->Select(-1);
    EXPECT_EQ(Text(form->edSelNum), "0");
    EXPECT_EQ(Text(form->edSelNavn), "");
    EXPECT_FALSE(form->FChanged);
}

TEST_F(DuoplanTest, OkWithAnotherNumberMovesTheEntryAndTheOtherTakesItsPlace) {
    StartWith({{"1", ""}, {"2", ""}, {"A", "KA"}, {"4", ""}, {"B", "KB"}, {"6", ""}});
    ClickRow(2);
    QTest::keyClicks(form->edSelNavn, "x");
    TypeOver(form->edSelNum, "5");
    form->bnOK->click();
    EXPECT_EQ(Rows()[4], (Entry{"Ax", "KA"}));
    EXPECT_EQ(Rows()[2], (Entry{"B", "KB"}));
    EXPECT_EQ(form->ListView1->Selected(), 4);
    EXPECT_EQ(Text(form->edSelNum), "5");
    EXPECT_EQ(Text(form->edSelNavn), "Ax");
    EXPECT_TRUE(form->FChanged);
}

TEST_F(DuoplanTest, OkOnTheSelectedPairRewritesItAloneWithoutTheTrimmedBlanks) {
    StartWith({{"A", "a"}, {"B  ", "b"}, {"C", "c"}, {"D", "d"}});
    ClickRow(1);
    QTest::keyClicks(form->edSelClub, "k");
    form->bnOK->click();
    EXPECT_EQ(Rows(), (std::vector<Entry>{{"A", "a"}, {"B", "bk"}, {"C", "c"}, {"D", "d"}}));
}

TEST_F(DuoplanTest, OkWithoutAPairNumberInTheListTouchesNoRow) {
    const std::vector<Entry> entries = Entries(4);
    StartWith(entries);
    ClickRow(0);
    form->ListView1->Select(-1);  // the number edit now shows "0"
    form->edSelNavn->setText("lost?");
    form->bnOK->click();
    EXPECT_EQ(Rows(), entries);
    EXPECT_FALSE(form->FChanged);
    EXPECT_TRUE(script->boxes.empty());
}

TEST_F(DuoplanTest, TheDrawPermutesOnlyTheRange) {
    const std::vector<Entry> entries = Entries(8);
    StartWith(entries);
    TypeOver(form->edLo, "3");
    TypeOver(form->edHi, "6");
    std::set<std::vector<Entry>> orders;
    for (int draw = 0; draw < 200; ++draw) {
        form->bnProcess->click();
        const std::vector<Entry> rows = Rows();
        for (int row : {0, 1, 6, 7}) ASSERT_EQ(rows[row], entries[row]);
        std::vector<Entry> range(rows.begin() + 2, rows.begin() + 6);
        std::vector<Entry> sorted = range;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, std::vector<Entry>(entries.begin() + 2, entries.begin() + 6));
        orders.insert(range);
    }
    EXPECT_GT(orders.size(), 12u);  // of the 24 orders; all but impossible to see fewer
    EXPECT_EQ(PairNumbers(), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST_F(DuoplanTest, ADrawOfTwoPairsGivesBothOrders) {
    StartWith({{"A", ""}, {"B", ""}, {"C", ""}, {"D", ""}});
    TypeOver(form->edHi, "2");
    int swapped = 0;
    for (int draw = 0; draw < 200; ++draw) {
        form->bnProcess->click();
        swapped += Rows()[0].name == "B" ? 1 : 0;
        form->ListView1->SetCell(0, 1, "A");
        form->ListView1->SetCell(1, 1, "B");
    }
    EXPECT_GT(swapped, 50);
    EXPECT_LT(swapped, 150);
}

TEST_F(DuoplanTest, ADrawOfNoRangeChangesNothingButStillCountsAsAChange) {
    const std::vector<Entry> entries = Entries(4);
    StartWith(entries);
    ClickRow(1);
    TypeOver(form->edLo, "3");
    TypeOver(form->edHi, "2");
    form->bnProcess->click();
    EXPECT_EQ(Rows(), entries);
    EXPECT_EQ(form->ListView1->Selected(), -1);
    EXPECT_EQ(Text(form->edSelNum), "0");
    EXPECT_TRUE(form->FChanged);
}

}  // namespace startlist
