#include "AccessibleTextBox.h"

#include <QTextBlock>

#include <algorithm>

namespace zolinar {

AccessibleTextBox::AccessibleTextBox(TextBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

QString AccessibleTextBox::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->toPlainText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleTextBox::state() const
{
    QAccessible::State st = QAccessibleWidget::state();
    st.readOnly = box()->isReadOnly();
    st.editable = false;
    st.multiLine = true;
    st.selectableText = true;
    return st;
}

void* AccessibleTextBox::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QTextCursor AccessibleTextBox::range(int start, int end) const
{
    QTextCursor cursor = box()->textCursor();
    const int last = characterCount();
    cursor.setPosition(std::clamp(start, 0, last));
    cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
    return cursor;
}

void AccessibleTextBox::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    const QTextCursor cursor = box()->textCursor();
    const bool exists = selectionIndex == 0 && cursor.hasSelection();
    *startOffset = exists ? cursor.selectionStart() : 0;
    *endOffset = exists ? cursor.selectionEnd() : 0;
}

void AccessibleTextBox::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = box()->textCursor();
    cursor.clearSelection();
    box()->setTextCursor(cursor);
}

void AccessibleTextBox::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setTextCursor(range(startOffset, endOffset));
}

QString AccessibleTextBox::text(int startOffset, int endOffset) const
{
    if (endOffset < 0)
        endOffset = characterCount();
    return range(startOffset, endOffset).selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

int AccessibleTextBox::characterCount() const
{
    QTextCursor cursor = box()->textCursor();
    cursor.movePosition(QTextCursor::End);
    return cursor.position();
}

QRect AccessibleTextBox::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return {};
    const QTextCursor cursor = range(offset, offset);
    QRect r = box()->cursorRect(cursor);
    r.setWidth(box()->fontMetrics().horizontalAdvance(text(offset, offset + 1)));
    r.moveTopLeft(box()->viewport()->mapToGlobal(r.topLeft()));
    return r;
}

int AccessibleTextBox::offsetAtPoint(const QPoint& point) const
{
    const QPoint inside = box()->viewport()->mapFromGlobal(point);
    if (!box()->viewport()->rect().contains(inside))
        return -1;
    return box()->cursorForPosition(inside).position();
}

void AccessibleTextBox::scrollToSubstring(int startIndex, int endIndex)
{
    // Puts the caret at the substring's end and then at its start, each
    // brought into view, so that as much of it as fits is shown.
    box()->setTextCursor(range(endIndex, endIndex));
    box()->ensureCursorVisible();
    box()->setTextCursor(range(startIndex, startIndex));
    box()->ensureCursorVisible();
}

QString AccessibleTextBox::attributes(int offset, int* startOffset, int* endOffset) const
{
    // One font throughout, that of the box, which the box itself reports.
    Q_UNUSED(offset);
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace zolinar
