// In-place editors of the grid: a line edit for text, a drop-down list, a date editor; check
// boxes toggle in place. The user's text goes through SheetModel::editCell (locks, maximum length).
#include "platform/grid/grid.h"

#include "platform/grid/cellpainting.h"
#include "platform/ui/clock.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QKeyEvent>
#include <QLineEdit>

namespace platform {

namespace {
    const QString dateFormat = QStringLiteral("yyyy-M-d");

    // Whether focus went to w or to one of its parts, its list popup (a window of its own) included.
    bool holdsFocus(const QWidget* w, const QWidget* focus)
    {
        for (; focus; focus = focus->parentWidget())
            if (focus == w)
                return true;
        return false;
    }
} // namespace

void Grid::startEdit(const QString& typed, bool showList)
{
    commitEdit();
    const int row = curRow, col = curCol;
    if (row <= 0 || model.isLocked(row, col))
        return;
    const CellType type = model.cellType(row, col);
    if (type == CellType::CheckBox || type == CellType::Button)
        return;
    ensureVisible(row, col);
    const QString current = model.cellText(row, col);

    QWidget* w = nullptr;
    if (type == CellType::List) {
        auto* combo = new QComboBox(viewport());
        combo->setEditable(!model.column(col).listOnly);
        combo->addItems(model.columnListChoices(col));
        if (combo->isEditable()) {
            // The list opens on the item the cell names (a code keeps only its start); the text
            // stays as it was until an item is picked.
            combo->setCurrentIndex(current.isEmpty() ? -1 : combo->findText(current, Qt::MatchStartsWith));
            combo->setEditText(typed.isEmpty() ? current : typed);
        } else // no item chosen while the cell holds none; leaving it then keeps the cell
            combo->setCurrentIndex(combo->findText(current));
        connect(combo, &QComboBox::activated, this, [this] { commitEdit(); });
        w = combo;
    } else if (type == CellType::Date) {
        auto* dateEdit = new QDateEdit(viewport());
        dateEdit->setDisplayFormat(dateFormat);
        dateEdit->setCalendarPopup(true);
        QDate date = QDate::fromString(current, dateFormat);
        dateEdit->setDate(date.isValid() ? date : clock().now().date());
        w = dateEdit;
    } else {
        auto* line = new QLineEdit(viewport());
        if (const int max = model.column(col).maxLength; max > 0)
            line->setMaxLength(max);
        line->setText(typed.isEmpty() ? current : typed);
        line->setFrame(false);
        connect(line, &QLineEdit::returnPressed, this, [this] {
            commitEdit();
            moveActive(curRow + 1, curCol, false);
        });
        w = line;
    }
    w->setFont(fontInPixelsFor(row, col));
    w->installEventFilter(this);
    editor = w;
    editRow = row;
    editCol = col;
    w->setGeometry(cellRect(row, col));
    w->show();
    w->setFocus();
    listOnRelease = showList && type == CellType::List;
}

void Grid::commitEdit()
{
    if (!editor)
        return;
    if (auto* combo = qobject_cast<QComboBox*>(editor);
        combo && combo->currentIndex() < 0 && !combo->isEditable()) {
        cancelEdit();
        return;
    }
    QWidget* w = editor;
    editor = nullptr; // committing may move focus and come back here
    QString text;
    if (auto* combo = qobject_cast<QComboBox*>(w))
        text = combo->currentText();
    else if (auto* dateEdit = qobject_cast<QDateEdit*>(w))
        text = dateEdit->date().toString(dateFormat);
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        text = line->text();
    model.editCell(editRow, editCol, text);
    w->hide();
    w->deleteLater();
    setFocus();
}

void Grid::cancelEdit()
{
    if (!editor)
        return;
    QWidget* w = editor;
    editor = nullptr;
    w->hide();
    w->deleteLater();
    setFocus();
}

QFont Grid::fontInPixelsFor(int row, int col) const
{
    return fontInPixels(model.fontSpec(row, col));
}

void Grid::toggleCheckBox(int row, int col)
{
    model.editCell(
        row, col, model.cellText(row, col) == QLatin1String("1") ? QStringLiteral("0") : QStringLiteral("1"));
}

bool Grid::eventFilter(QObject* watched, QEvent* event)
{
    if (editor && watched == editor) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape) {
                cancelEdit();
                return true;
            }
            if (key->key() == Qt::Key_Tab) {
                commitEdit();
                moveActive(curRow, shownColumn(curCol + 1, 1), false);
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonPress && qobject_cast<QLineEdit*>(editor)) {
            // A click into the text being typed is a click on its cell: handlers read the cell.
            model.editCell(editRow, editCol, static_cast<QLineEdit*>(editor.data())->text());
            emit clicked();
        } else if (event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason
            && !QApplication::activePopupWidget() && !holdsFocus(editor, QApplication::focusWidget())) {
            commitEdit();
        }
    }
    return QAbstractScrollArea::eventFilter(watched, event);
}

} // namespace platform
