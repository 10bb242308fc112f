#include "QtControlSurface.h"

#include "ChoiceList.h"
#include "TextBox.h"

namespace zolinar {

QString QtControlSurface::objectName(Element element)
{
    return QStringLiteral("%1_%2").arg(QString::fromUtf8(arrayName(element.array))).arg(element.index);
}

// Finds the element's widget as the kind of widget that has the property:
// an element that does not exist is UnknownElement, one of another kind
// (Text of a list) UnsupportedProperty.
template<typename Widget>
Status QtControlSurface::find(Element element, Widget*& widget) const
{
    auto* any = m_window.findChild<QWidget*>(objectName(element), Qt::FindDirectChildrenOnly);
    if (!any)
        return Status::UnknownElement;
    widget = qobject_cast<Widget*>(any);
    return widget ? Status::Ok : Status::UnsupportedProperty;
}

Status QtControlSurface::readListIndex(Element element, Row& row)
{
    ChoiceList* list = nullptr;
    if (const Status status = find(element, list); failed(status))
        return status;
    row = static_cast<Row>(list->selectedRow());
    return Status::Ok;
}

Status QtControlSurface::writeListIndex(Element element, Row row)
{
    ChoiceList* list = nullptr;
    if (const Status status = find(element, list); failed(status))
        return status;
    if (row < noRow || row >= list->count())
        return Status::RowOutOfRange;
    // Either branch changes the selection synchronously, so a Click for the
    // change runs before this returns.
    if (row == noRow) {
        // Clears the current row as well, so that the next arrow key picks
        // the first row rather than moving on from a row nobody chose.
        list->selectionModel()->clear();
    } else {
        list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
        list->scrollToItem(list->item(row));
    }
    return Status::Ok;
}

Status QtControlSurface::readListItem(Element element, Row row, std::string& text)
{
    ChoiceList* list = nullptr;
    if (const Status status = find(element, list); failed(status))
        return status;
    if (row < 0 || row >= list->count())
        return Status::RowOutOfRange;
    text = list->item(row)->text().toStdString();
    return Status::Ok;
}

Status QtControlSurface::writeEnabled(Element element, bool enabled)
{
    QWidget* widget = nullptr;
    if (const Status status = find(element, widget); failed(status))
        return status;
    widget->setEnabled(enabled);
    return Status::Ok;
}

Status QtControlSurface::writeVisible(Element element, bool visible)
{
    QWidget* widget = nullptr;
    if (const Status status = find(element, widget); failed(status))
        return status;
    widget->setVisible(visible);
    return Status::Ok;
}

Status QtControlSurface::readText(Element element, std::string& text)
{
    TextBox* box = nullptr;
    if (const Status status = find(element, box); failed(status))
        return status;
    text = box->exactText();
    return Status::Ok;
}

Status QtControlSurface::writeText(Element element, std::string_view text)
{
    TextBox* box = nullptr;
    if (const Status status = find(element, box); failed(status))
        return status;
    box->setExactText(text);
    return Status::Ok;
}

} // namespace zolinar
