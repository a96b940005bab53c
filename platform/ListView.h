#pragma once
// A report-style list: rows of Windows-1252 texts in columns, whole-row single selection,
// read-only. SelectItem fires once for every row whose selection changed: when the selection
// moves from row A to row B, first for A with selected false, then for B with selected true.
#include <QTableWidget>
#include <string>
#include <vector>

namespace platform {

class TListView : public QTableWidget {
    Q_OBJECT
public:
    explicit TListView(QWidget* parent);
    void AddColumn(const std::string& caption, int width);
    int Count() const { return rowCount(); }
    void AddRow(const std::vector<std::string>& cells);
    void DeleteLast();
    void Clear();
    std::string Cell(int row, int column) const;
    void SetCell(int row, int column, const std::string& text);
    // The selected row, or -1.
    int Selected() const;
    // Selects a row; -1 clears the selection.
    void Select(int row);
    // Holds back repainting while many rows change.
    void BeginUpdate() { setUpdatesEnabled(false); }
    void EndUpdate() { setUpdatesEnabled(true); }

signals:
    void SelectItem(int row, bool selected);

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
};

}  // namespace platform
