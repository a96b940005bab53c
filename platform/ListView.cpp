#include "ListView.h"

#include <QHeaderView>
#include <set>

#include "Text.h"

namespace platform {

TListView::TListView(QWidget* parent) : QTableWidget(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setSectionsClickable(false);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setStretchLastSection(false);
}

void TListView::AddColumn(const std::string& caption, int width) {
    const int column = columnCount();
    setColumnCount(column + 1);
    setHorizontalHeaderItem(column, new QTableWidgetItem(ToQString(caption)));
    setColumnWidth(column, width);
}

void TListView::AddRow(const std::vector<std::string>& cells) {
    const int row = rowCount();
    insertRow(row);
    for (int column = 0; column < columnCount(); ++column) {
        const auto index = static_cast<std::size_t>(column);
        setItem(row, column, new QTableWidgetItem(ToQString(index < cells.size() ? cells[index] : "")));
    }
}

void TListView::DeleteLast() {
    if (rowCount() > 0) removeRow(rowCount() - 1);
}

void TListView::Clear() { setRowCount(0); }

std::string TListView::Cell(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell ? FromQString(cell->text()) : std::string();
}

void TListView::SetCell(int row, int column, const std::string& text) {
    if (QTableWidgetItem* cell = item(row, column)) cell->setText(ToQString(text));
}

int TListView::Selected() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TListView::Select(int row) {
    if (row < 0) {
        clearSelection();
        return;
    }
    selectRow(row);
}

void TListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) {
    QTableWidget::selectionChanged(selected, deselected);
    auto rowsOf = [](const QItemSelection& selection) {
        std::set<int> rows;
        for (const QModelIndex& index : selection.indexes()) rows.insert(index.row());
        return rows;
    };
    for (int row : rowsOf(deselected)) emit SelectItem(row, false);
    for (int row : rowsOf(selected)) emit SelectItem(row, true);
}

}  // namespace platform
