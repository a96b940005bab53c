#pragma once
// A grid of Windows-1252 texts with one fixed header row and one fixed first column, as our
// windows use it for tables of numbers. Cells are addressed (column, row) counting the fixed
// row and column, so Cell(0, 0) is the corner and Cell(1, 1) the first editable cell.
// The current cell always shows its editor, a QLineEdit; Tab and Shift+Tab move between cells.
#include <QPersistentModelIndex>
#include <QPointer>
#include <QTableWidget>
#include <functional>
#include <string>

#include "KeyPress.h"

class QAbstractButton;
class QLineEdit;

namespace platform {

class TStringGrid : public QTableWidget {
    Q_OBJECT
  public:
    // A cell may become the current one only when the check leaves canSelect true.
    using SelectCellHandler =
        std::function<void(QObject* sender, int column, int row, bool& canSelect)>;

    explicit TStringGrid(QWidget* parent);

    // Counts include the fixed row and column; each is at least 2.
    void SetColCount(int count);
    void SetRowCount(int count);
    int ColCount() const { return columnCount() + 1; }
    int RowCount() const { return rowCount() + 1; }
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);

    // The text a cell shows, also while it is being typed into.
    std::string Cell(int column, int row) const;
    void SetCell(int column, int row, const std::string& text);

    // The current cell; -1 when there is none.
    int Col() const { return currentIndex().isValid() ? currentColumn() + 1 : -1; }
    int Row() const { return currentIndex().isValid() ? currentRow() + 1 : -1; }
    // Makes a cell the current one; false when it is fixed or the check refuses it.
    bool SelectCell(int column, int row);
    // The editor of the current cell while it is open, else null.
    QLineEdit* Editor() const;

    // Characters typed into the cells, with the grid as sender (see KeyPress.h).
    void OnKeyPress(KeyPressHandler handler) { keyHandler_ = std::move(handler); }
    void OnSelectCell(SelectCellHandler handler) { selectHandler_ = std::move(handler); }

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    friend class CellDelegate;
    friend class CheckedSelection;
    QLineEdit* CreateEditor(QWidget* parent, const QModelIndex& index);
    void PassKey(char& key);
    bool CanSelect(const QModelIndex& index);
    QModelIndex NextSelectable(const QModelIndex& from, int step);
    void EnsureCurrentCell();
    void OpenCurrentEditor();
    void PaintCorner();
    QTableWidgetItem* HeaderItem(int column, int row) const;

    QAbstractButton* corner_;
    QString cornerText_;
    QPointer<QLineEdit> editor_;
    QPersistentModelIndex edited_;
    KeyPressHandler keyHandler_;
    SelectCellHandler selectHandler_;
};

}  // namespace platform
