#include <gtest/gtest.h>

#include <QTest>

#include "platform/ListView.h"

using namespace platform;

namespace {

struct List : ::testing::Test {
    TListView list{nullptr};
    std::vector<std::pair<int, bool>> events;
    List() {
        list.AddColumn("Par", 45);
        list.AddColumn("Navn", 320);
        for (const char* name : {"A", "B", "C"}) list.AddRow({"n", name});
        QObject::connect(&list, &TListView::SelectItem,
                         [this](int row, bool selected) { events.emplace_back(row, selected); });
    }
};

}  // namespace

TEST_F(List, SelectionEventsComeOncePerRowTheDeselectedFirst) {
    list.Select(0);
    list.Select(2);
    list.Select(-1);
    const std::vector<std::pair<int, bool>> expected = {{0, true}, {0, false}, {2, true}, {2, false}};
    EXPECT_EQ(events, expected);
    EXPECT_EQ(list.Selected(), -1);
}

TEST_F(List, AClickSelectsTheWholeRow) {
    list.resize(400, 200);
    list.show();
    const QRect cell = list.visualRect(list.model()->index(1, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(list.Selected(), 1);
    EXPECT_EQ(events, (std::vector<std::pair<int, bool>>{{1, true}}));
}

TEST_F(List, KeepsWindowsTextsAndMissingCellsAreEmpty) {
    list.SetCell(1, 1, "\xC6\xF8");
    EXPECT_EQ(list.Cell(1, 1), "\xC6\xF8");
    EXPECT_EQ(list.Cell(1, 0), "n");
    EXPECT_EQ(list.Cell(5, 1), "");
    list.DeleteLast();
    EXPECT_EQ(list.Count(), 2);
}
