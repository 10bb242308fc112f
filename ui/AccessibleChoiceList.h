#pragma once

#include <QAccessibleWidget>
#include <QList>

namespace zolinar {

class ChoiceList;

// The object list as assistive technology sees it: a list of rows, each
// with its text and its true states. A row offers its one action, a pick,
// only while the list takes picks; a locked (disabled) list, which ignores
// the mouse and the keys, reports its rows as neither selectable nor
// sensitive and offers nothing on them, so a screen reader, switch access
// or voice control cannot change a choice behind the program's back. A row
// reports the focus only while the list has it, and reports itself off
// screen when scrolled out of view. (Qt's own interface for item views
// offers selection on every row whatever the view's state.)
//
// What a pick means is left to ChoiceList and whoever listens to it.
class AccessibleChoiceList final : public QAccessibleWidget {
public:
    explicit AccessibleChoiceList(ChoiceList* list);
    ~AccessibleChoiceList() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ChoiceList* list() const;

    // The rows' interfaces, made when first asked for and owned by Qt's
    // accessibility cache under these ids until this interface goes.
    mutable QList<QAccessible::Id> m_rows;
};

} // namespace zolinar
