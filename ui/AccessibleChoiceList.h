#pragma once

#include "ChoiceList.h"

#include <QAccessibleWidget>
#include <QList>

namespace zolinar {

// The object list as assistive technology sees it: rows with their text and
// true states. A row offers its one action, a pick, only while the list
// takes picks: a locked list, which ignores the mouse and the keys, reports
// its rows as neither selectable nor sensitive and offers nothing on them,
// so no screen reader, switch access or voice control changes a choice
// behind the program's back. A row reports the focus only while the list
// has it, and itself off screen when scrolled out of view. (Qt's own
// interface offers selection on every row whatever the view's state.) What
// a pick means is left to ChoiceList and whoever listens to it.
class AccessibleChoiceList final : public QAccessibleWidget {
public:
    explicit AccessibleChoiceList(ChoiceList* list);
    ~AccessibleChoiceList() override;

    int childCount() const override { return list()->count(); }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    ChoiceList* list() const { return qobject_cast<ChoiceList*>(widget()); }

    // The rows' interfaces, made when first asked for and owned by Qt's
    // accessibility cache under these ids until this interface goes.
    mutable QList<QAccessible::Id> m_rows;
};

} // namespace zolinar
