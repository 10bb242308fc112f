#include "ChoiceList.h"

#include <QKeyEvent>

#include <algorithm>

namespace zolinar {

int ChoiceList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ChoiceList::keyboardSearch(const QString& search)
{
    // A new search in QListWidget starts after the current row, so with the
    // first row marked current, "м" would skip "мобилен телефон" and pick
    // "макара с конец". With nothing chosen yet there is nothing to skip.
    if (selectedRow() < 0)
        selectionModel()->clearCurrentIndex();
    QListWidget::keyboardSearch(search);
}

void ChoiceList::keyPressEvent(QKeyEvent* event)
{
    if (selectedRow() >= 0 || count() == 0 || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }

    int row = -1;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        row = 0;
        break;
    case Qt::Key_End:
        row = count() - 1;
        break;
    case Qt::Key_Space:
        // Picks the row under the focus frame. QListWidget marks the first
        // row only the first time the list gets the focus; after a Clear
        // there may be none, and Space would do nothing.
        row = std::max(currentRow(), 0);
        break;
    default:
        QListWidget::keyPressEvent(event);
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    event->accept();
}

} // namespace zolinar
