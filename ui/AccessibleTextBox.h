#pragma once

#include "TextBox.h"

#include <QAccessibleWidget>

namespace zolinar {

// A read-only text box as assistive technology sees it: its text can be
// read, navigated and selected, but it offers no editing, since nothing but
// the program may change what the box shows. (Qt's own interface for
// QPlainTextEdit edits a read-only box on request.) A hidden box, such as
// the quote kept for the program alone, is not in the window's tree.
class AccessibleTextBox final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit AccessibleTextBox(TextBox* box);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override { return box()->textCursor().hasSelection() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override { box()->setTextCursor(range(position, position)); }
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    TextBox* box() const { return qobject_cast<TextBox*>(widget()); }
    // A cursor over [start, end) of the text, clamped to it.
    QTextCursor range(int start, int end) const;
};

} // namespace zolinar
