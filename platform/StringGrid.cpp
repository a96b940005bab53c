#include "StringGrid.h"

#include <QAbstractButton>
#include <QEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleOptionHeader>
#include <QStylePainter>
#include <QStyledItemDelegate>
#include <algorithm>

#include "Guard.h"
#include "Text.h"

namespace platform {

// Makes every cell editor one of the grid's own line edits.
class CellDelegate : public QStyledItemDelegate {
  public:
    explicit CellDelegate(TStringGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        return grid_->CreateEditor(parent, index);
    }

  private:
    TStringGrid* grid_;
};

// Lets a cell become current or selected only when the grid's check allows it, whichever way
// the move comes (mouse, arrow keys, Tab, the program).
class CheckedSelection : public QItemSelectionModel {
  public:
    CheckedSelection(QAbstractItemModel* model, TStringGrid* grid)
        : QItemSelectionModel(model, grid), grid_(grid) {}
    using QItemSelectionModel::select;

    void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
        if (index.isValid() && index != currentIndex() && !grid_->CanSelect(index)) return;
        // The selection that comes with the move needs no second asking.
        approved_ = index;
        QItemSelectionModel::setCurrentIndex(index, command);
        approved_ = QModelIndex();
    }
    void select(const QItemSelection& selection, SelectionFlags command) override {
        const QModelIndexList cells = selection.indexes();
        if (std::any_of(cells.begin(), cells.end(),
                        [this](const QModelIndex& cell) { return !Allowed(cell); }))
            return;
        QItemSelectionModel::select(selection, command);
    }

  private:
    bool Allowed(const QModelIndex& cell) const {
        return cell == approved_ || grid_->CanSelect(cell);
    }

    TStringGrid* grid_;
    QPersistentModelIndex approved_;
};

namespace {

constexpr int kDefaultColWidth = 64;
constexpr int kDefaultRowHeight = 24;

// Beyond the last row or column the grid shows its cell colour, not that of the fixed cells.
class HeaderStyle : public QProxyStyle {
  public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_HeaderEmptyArea)
            painter->fillRect(option->rect, option->palette.base());
        else
            QProxyStyle::drawControl(element, option, painter, widget);
    }
};

void MakeFixed(QHeaderView* header, QStyle* style) {
    header->setStyle(style);
    header->setSectionsClickable(false);
    header->setHighlightSections(false);
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setMinimumSectionSize(0);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

}  // namespace

TStringGrid::TStringGrid(QWidget* parent)
    : QTableWidget(parent),
      corner_(findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly)) {
    // The fixed row is the column header, the fixed column the row header: both stay put
    // while the cells scroll, and neither can be selected or edited.
    auto* headerStyle = new HeaderStyle;
    headerStyle->setParent(this);
    MakeFixed(horizontalHeader(), headerStyle);
    MakeFixed(verticalHeader(), headerStyle);
    setCornerButtonEnabled(false);
    if (corner_) corner_->installEventFilter(this);
    setItemDelegate(new CellDelegate(this));
    QItemSelectionModel* previous = selectionModel();
    setSelectionModel(new CheckedSelection(model(), this));
    delete previous;
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked);
    setTabKeyNavigation(true);
    setShowGrid(true);
    setWordWrap(false);
    SetDefaultColWidth(kDefaultColWidth);
    SetDefaultRowHeight(kDefaultRowHeight);
    SetColCount(5);
    SetRowCount(5);
}

void TStringGrid::SetColCount(int count) {
    const int first = columnCount();
    setColumnCount(std::max(2, count) - 1);
    for (int column = first; column < columnCount(); ++column)
        setHorizontalHeaderItem(column, new QTableWidgetItem);
    EnsureCurrentCell();
}

void TStringGrid::SetRowCount(int count) {
    const int first = rowCount();
    setRowCount(std::max(2, count) - 1);
    // An empty header item, or Qt would show its own row numbers.
    for (int row = first; row < rowCount(); ++row) setVerticalHeaderItem(row, new QTableWidgetItem);
    EnsureCurrentCell();
}

void TStringGrid::SetDefaultColWidth(int width) {
    horizontalHeader()->setDefaultSectionSize(width);
    for (int column = 0; column < columnCount(); ++column) setColumnWidth(column, width);
    verticalHeader()->setFixedWidth(width);
}

void TStringGrid::SetDefaultRowHeight(int height) {
    verticalHeader()->setDefaultSectionSize(height);
    for (int row = 0; row < rowCount(); ++row) setRowHeight(row, height);
    horizontalHeader()->setFixedHeight(height);
}

QTableWidgetItem* TStringGrid::HeaderItem(int column, int row) const {
    return row == 0 ? horizontalHeaderItem(column - 1) : verticalHeaderItem(row - 1);
}

std::string TStringGrid::Cell(int column, int row) const {
    if (column == 0 && row == 0) return FromQString(cornerText_);
    if (column == 0 || row == 0) {
        const QTableWidgetItem* header = HeaderItem(column, row);
        return header ? FromQString(header->text()) : std::string();
    }
    const QModelIndex index = model()->index(row - 1, column - 1);
    if (editor_ && edited_.isValid() && edited_ == index) return FromQString(editor_->text());
    const QTableWidgetItem* cell = item(row - 1, column - 1);
    return cell ? FromQString(cell->text()) : std::string();
}

void TStringGrid::SetCell(int column, int row, const std::string& text) {
    if (column == 0 && row == 0) {
        cornerText_ = ToQString(text);
        if (corner_) corner_->update();
    } else if (column == 0 || row == 0) {
        if (QTableWidgetItem* header = HeaderItem(column, row)) header->setText(ToQString(text));
    } else if (column < ColCount() && row < RowCount()) {
        if (QTableWidgetItem* cell = item(row - 1, column - 1))
            cell->setText(ToQString(text));
        else
            setItem(row - 1, column - 1, new QTableWidgetItem(ToQString(text)));
    }
}

bool TStringGrid::SelectCell(int column, int row) {
    if (column < 1 || row < 1 || column >= ColCount() || row >= RowCount()) return false;
    const QModelIndex index = model()->index(row - 1, column - 1);
    setCurrentIndex(index);
    if (currentIndex() != index) return false;
    // Also a cell that was current already shows its editor once it is chosen.
    if (isVisible() && state() != EditingState)
        edit(index, QAbstractItemView::AllEditTriggers, nullptr);
    return true;
}

QLineEdit* TStringGrid::Editor() const {
    const bool open =
        editor_ && edited_.isValid() && edited_ == currentIndex() && state() == EditingState;
    return open ? editor_.data() : nullptr;
}

QLineEdit* TStringGrid::CreateEditor(QWidget* parent, const QModelIndex& index) {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    platform::OnKeyPress(editor, [this](QObject*, char& key) { PassKey(key); });
    editor_ = editor;
    edited_ = index;
    return editor;
}

void TStringGrid::PassKey(char& key) {
    if (keyHandler_) keyHandler_(this, key);
}

bool TStringGrid::CanSelect(const QModelIndex& index) {
    bool canSelect = true;
    if (!selectHandler_) return true;
    // A check that fails refuses the cell.
    return RunGuarded(
               [&] { selectHandler_(this, index.column() + 1, index.row() + 1, canSelect); }) &&
           canSelect;
}

QModelIndex TStringGrid::NextSelectable(const QModelIndex& from, int step) {
    const int columns = columnCount();
    const int cells = rowCount() * columns;
    if (!from.isValid() || cells == 0) return from;
    int at = from.row() * columns + from.column();
    for (int tried = 0; tried < cells; ++tried, at = (at + step + cells) % cells) {
        const QModelIndex candidate = model()->index(at / columns, at % columns);
        if (candidate == currentIndex() || CanSelect(candidate)) return candidate;
    }
    return currentIndex();
}

QModelIndex TStringGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const QModelIndex next = QTableWidget::moveCursor(action, modifiers);
    // Tab passes over the cells the check refuses instead of stopping in front of them.
    if (action == MoveNext) return NextSelectable(next, 1);
    if (action == MovePrevious) return NextSelectable(next, -1);
    return next;
}

void TStringGrid::EnsureCurrentCell() {
    if (!currentIndex().isValid() && rowCount() > 0 && columnCount() > 0)
        setCurrentIndex(NextSelectable(model()->index(0, 0), 1));
}

void TStringGrid::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    // Later, once an editor that is closing has let go: the current cell always shows one.
    QMetaObject::invokeMethod(this, &TStringGrid::OpenCurrentEditor, Qt::QueuedConnection);
}

void TStringGrid::OpenCurrentEditor() {
    if (hasFocus() && state() != EditingState && currentIndex().isValid())
        edit(currentIndex(), QAbstractItemView::AllEditTriggers, nullptr);
}

bool TStringGrid::eventFilter(QObject* watched, QEvent* event) {
    if (watched == corner_ && event->type() == QEvent::Paint) {
        PaintCorner();
        return true;
    }
    return QTableWidget::eventFilter(watched, event);
}

void TStringGrid::PaintCorner() {
    QStyleOptionHeader option;
    option.initFrom(corner_);
    // The corner button is disabled only so that a click selects nothing; it shows as the
    // other fixed cells do.
    option.state |= QStyle::State_Enabled | QStyle::State_Raised;
    option.palette.setCurrentColorGroup(QPalette::Active);
    option.rect = corner_->rect();
    option.text = cornerText_;
    option.textAlignment = horizontalHeader()->defaultAlignment();
    option.position = QStyleOptionHeader::OnlyOneSection;
    QStylePainter painter(corner_);
    painter.drawControl(QStyle::CE_Header, option);
}

}  // namespace platform
