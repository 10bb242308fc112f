#include "ChoiceList.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace zolinar {

int ChoiceList::selectedRow() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void ChoiceList::pick(int row)
{
    if (takesPicks() && row >= 0 && row < count())
        setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
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
    // Shift and Ctrl would make QListWidget move from the row the focus
    // frame is on: after Tab that is the first row, after a click on the
    // scroll bar there is none, so Shift+End would pick the last row in one
    // case and the first in the other.
    const Qt::KeyboardModifiers ignored = Qt::KeypadModifier | Qt::ShiftModifier | Qt::ControlModifier;
    if (selectedRow() >= 0 || count() == 0 || (event->modifiers() & ~ignored) != Qt::NoModifier) {
        QListWidget::keyPressEvent(event);
        return;
    }

    int row = -1;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
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
        // row only when the list gets the focus by key; after a click on the
        // scroll bar there may be none, and Space would do nothing.
        row = std::max(currentRow(), 0);
        break;
    default:
        QListWidget::keyPressEvent(event);
        return;
    }
    pick(row);
    event->accept();
}

// Only the primary button picks; the others are taken here so that they
// reach neither the selection nor the window behind the list.
void ChoiceList::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QListWidget::mousePressEvent(event);
}

void ChoiceList::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton || event->buttons() & Qt::LeftButton)
        QListWidget::mouseMoveEvent(event);
}

void ChoiceList::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QListWidget::mouseReleaseEvent(event);
}

void ChoiceList::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        QListWidget::mouseDoubleClickEvent(event);
}

} // namespace zolinar
