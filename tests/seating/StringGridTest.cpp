// The platform's string grid: addressing with the fixed row and column, the editor that the
// current cell always shows, Tab, the key filter and the select-cell check.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

#include "platform/ScriptedDialogs.h"
#include "platform/StringGrid.h"
#include "platform/Text.h"

namespace platform {
namespace {

class StringGridTest : public ::testing::Test {
  protected:
    std::unique_ptr<TStringGrid> grid = std::make_unique<TStringGrid>(nullptr);

    void SetUp() override {
        grid->resize(400, 300);
        grid->SetColCount(4);
        grid->SetRowCount(4);
        grid->show();
        QCoreApplication::processEvents();
    }
    void ExpectCurrent(int column, int row) const {
        EXPECT_EQ(grid->Col(), column);
        EXPECT_EQ(grid->Row(), row);
    }
};

TEST_F(StringGridTest, CellsCountTheFixedRowAndColumn) {
    EXPECT_EQ(grid->ColCount(), 4);
    EXPECT_EQ(grid->RowCount(), 4);
    const std::string oe = FromUtf8("Øst");
    grid->SetCell(0, 0, "corner");
    grid->SetCell(2, 0, oe);
    grid->SetCell(0, 3, "3");
    grid->SetCell(3, 3, "last");
    EXPECT_EQ(grid->Cell(0, 0), "corner");
    EXPECT_EQ(grid->Cell(2, 0), oe);
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QString::fromUtf8("Øst"));
    EXPECT_EQ(grid->Cell(0, 3), "3");
    EXPECT_EQ(grid->Cell(3, 3), "last");
    EXPECT_EQ(grid->item(2, 2)->text(), "last");
    EXPECT_EQ(grid->Cell(1, 1), "");
    // Outside the grid nothing is read or written.
    grid->SetCell(4, 1, "x");
    grid->SetCell(1, 9, "x");
    EXPECT_EQ(grid->Cell(4, 1), "");
    EXPECT_EQ(grid->Cell(-1, 9), "");
    EXPECT_EQ(grid->rowCount(), 3);
}

TEST_F(StringGridTest, NewRowsStartEmptyAndRemovedRowsTakeTheirCellsAlong) {
    grid->SetCell(1, 3, "gone");
    grid->SetRowCount(3);
    grid->SetRowCount(5);
    EXPECT_EQ(grid->Cell(1, 3), "");
    EXPECT_EQ(grid->Cell(0, 4), "");  // no row number of Qt's own
    EXPECT_EQ(grid->verticalHeaderItem(3)->text(), "");
    grid->SetRowCount(0);
    EXPECT_EQ(grid->RowCount(), 2);
}

TEST_F(StringGridTest, TheCurrentCellShowsAnEditorWhoseTextIsTheCellsAtOnce) {
    ExpectCurrent(1, 1);
    ASSERT_TRUE(grid->SelectCell(2, 3));
    QLineEdit* editor = grid->Editor();
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, "42");
    EXPECT_EQ(grid->Cell(2, 3), "42");
    QTest::keyClick(editor, Qt::Key_Tab);
    ExpectCurrent(3, 3);
    EXPECT_EQ(grid->item(2, 1)->text(), "42");
    ASSERT_NE(grid->Editor(), nullptr);
    QTest::keyClick(grid->Editor(), Qt::Key_Tab);
    ExpectCurrent(1, 1);  // past the end back to the first cell
    QTest::keyClick(grid->Editor(), Qt::Key_Backtab);
    ExpectCurrent(3, 3);
    // A program's change reaches an open editor.
    grid->SetCell(3, 3, "7");
    EXPECT_EQ(grid->Editor()->text(), "7");
}

TEST_F(StringGridTest, TypedCharactersPassTheKeyHandlerWithTheGridAsSender) {
    QObject* sender = nullptr;
    grid->OnKeyPress([&](QObject* from, char& key) {
        sender = from;
        if (key == 'x') key = 0;
    });
    ASSERT_TRUE(grid->SelectCell(1, 2));
    QTest::keyClicks(grid->Editor(), "axbx");
    EXPECT_EQ(grid->Cell(1, 2), "ab");
    EXPECT_EQ(sender, grid.get());
}

TEST_F(StringGridTest, TheSelectCheckRefusesCellsHoweverTheMoveComes) {
    std::vector<std::pair<int, int>> asked;
    grid->OnSelectCell([&](QObject*, int column, int row, bool& canSelect) {
        asked.emplace_back(column, row);
        canSelect = column != 2;
    });
    EXPECT_FALSE(grid->SelectCell(2, 1));
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{2, 1}}));
    ASSERT_TRUE(grid->SelectCell(3, 2));
    EXPECT_EQ(asked.back(), std::make_pair(3, 2));
    EXPECT_EQ(asked.size(), 2u);  // asked once for a move
    ASSERT_TRUE(grid->SelectCell(1, 1));
    ExpectCurrent(1, 1);
    EXPECT_FALSE(grid->SelectCell(0, 1));  // fixed cells never
    EXPECT_FALSE(grid->SelectCell(1, 0));

    QTest::keyClick(grid->Editor(), Qt::Key_Tab);
    ExpectCurrent(3, 1);  // Tab passes over the refused cell
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 1)).center());
    ExpectCurrent(3, 1);
    EXPECT_TRUE(grid->selectedItems().empty() || grid->selectedItems()[0]->column() == 2);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(grid->model()->index(1, 0)).center());
    ExpectCurrent(1, 2);
}

TEST_F(StringGridTest, AnExceptionInTheCheckRefusesTheCellAndIsShownNotThrown) {
    ScopedScriptedDialogs script;
    grid->OnSelectCell([](QObject*, int, int, bool&) { throw std::runtime_error("check failed"); });
    EXPECT_FALSE(grid->SelectCell(2, 2));
    ExpectCurrent(1, 1);
    ASSERT_EQ(script->boxes.size(), 1u);
    EXPECT_EQ(script->boxes[0].text, "check failed");
    EXPECT_EQ(script->boxes[0].icon, MsgIcon::Error);
}

}  // namespace
}  // namespace platform
