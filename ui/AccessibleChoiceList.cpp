#include "AccessibleChoiceList.h"

#include <QPointer>

namespace zolinar {

namespace {

// One row of the list.
class AccessibleChoiceRow final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleChoiceRow(ChoiceList* list, int row)
        : m_list(list)
        , m_row(row)
    {
    }

    int row() const { return m_row; }

    bool isValid() const override { return list() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list ? m_list->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(m_list.data()); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override { }

    QString text(QAccessible::Text t) const override
    {
        const ChoiceList* owner = list();
        return t == QAccessible::Name && owner ? owner->item(m_row)->text() : QString();
    }

    QRect rect() const override
    {
        const ChoiceList* owner = list();
        if (!owner)
            return {};
        QRect r = owner->visualItemRect(owner->item(m_row));
        r.moveTopLeft(owner->viewport()->mapToGlobal(r.topLeft()));
        return r;
    }

    QAccessible::State state() const override
    {
        QAccessible::State st;
        const ChoiceList* owner = list();
        if (!owner)
            return st;
        const QRect shown(owner->viewport()->mapToGlobal(QPoint(0, 0)), owner->viewport()->size());
        st.invisible = !owner->isVisible() || !shown.intersects(rect());
        st.selected = owner->selectedRow() == m_row;
        st.disabled = !owner->takesPicks();
        st.selectable = st.focusable = owner->takesPicks();
        st.focused = owner->hasFocus() && owner->currentRow() == m_row;
        return st;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        const ChoiceList* owner = list();
        return owner && owner->takesPicks() ? QStringList { toggleAction() } : QStringList {};
    }

    void doAction(const QString& name) override
    {
        if (ChoiceList* owner = list(); owner && name == toggleAction())
            owner->pick(m_row);
    }

    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

private:
    // The list, while it exists and still has this row.
    ChoiceList* list() const
    {
        ChoiceList* owner = m_list.data();
        return owner && m_row < owner->count() ? owner : nullptr;
    }

    QPointer<ChoiceList> m_list;
    int m_row;
};

} // namespace

AccessibleChoiceList::AccessibleChoiceList(ChoiceList* list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

AccessibleChoiceList::~AccessibleChoiceList()
{
    for (QAccessible::Id id : std::as_const(m_rows)) {
        if (id != 0)
            QAccessible::deleteAccessibleInterface(id);
    }
}

QAccessibleInterface* AccessibleChoiceList::child(int index) const
{
    if (index < 0 || index >= list()->count())
        return nullptr;
    if (m_rows.size() <= index)
        m_rows.resize(index + 1, 0);
    if (m_rows[index] == 0) {
        // Qt's cache owns the row from here; the destructor deletes it by id.
        // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks): the analyzer cannot see that hand-over
        m_rows[index] = QAccessible::registerAccessibleInterface(new AccessibleChoiceRow(list(), index));
    }
    return QAccessible::accessibleInterface(m_rows[index]);
}

int AccessibleChoiceList::indexOfChild(const QAccessibleInterface* child) const
{
    const auto* row = dynamic_cast<const AccessibleChoiceRow*>(child);
    return row && row->parent() == this ? row->row() : -1;
}

QAccessibleInterface* AccessibleChoiceList::childAt(int x, int y) const
{
    const QModelIndex index = list()->indexAt(list()->viewport()->mapFromGlobal(QPoint(x, y)));
    return index.isValid() ? child(index.row()) : nullptr;
}

QAccessibleInterface* AccessibleChoiceList::focusChild() const
{
    return list()->hasFocus() ? child(list()->currentRow()) : nullptr;
}

} // namespace zolinar
