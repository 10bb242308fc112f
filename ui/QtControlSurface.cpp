#include "QtControlSurface.h"

#include "ChoiceList.h"
#include "TextBox.h"

#include <algorithm>

namespace zolinar {

template<typename Widget, typename Operation>
Status QtControlSurface::on(Element element, Operation&& operation) const
{
    const auto control = std::find_if(m_controls.begin(), m_controls.end(),
        [element](const auto& entry) { return entry.first == element; });
    if (control == m_controls.end())
        return Status::UnknownElement;
    auto* widget = qobject_cast<Widget*>(control->second);
    return widget ? operation(*widget) : Status::UnsupportedProperty;
}

Status QtControlSurface::readListIndex(Element element, Row& row)
{
    return on<ChoiceList>(element, [&row](ChoiceList& list) {
        row = static_cast<Row>(list.selectedRow());
        return Status::Ok;
    });
}

Status QtControlSurface::writeListIndex(Element element, Row row)
{
    return on<ChoiceList>(element, [row](ChoiceList& list) {
        if (row < noRow || row >= list.count())
            return Status::RowOutOfRange;
        // Either branch changes the selection synchronously, so a Click for
        // the change runs before this returns.
        if (row == noRow) {
            // Clears the current row as well, so that the next arrow key
            // picks the first row rather than moving on from a row nobody
            // chose.
            list.selectionModel()->clear();
        } else {
            list.setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
            list.scrollToItem(list.item(row));
        }
        return Status::Ok;
    });
}

Status QtControlSurface::readListItem(Element element, Row row, std::string& text)
{
    return on<ChoiceList>(element, [row, &text](ChoiceList& list) {
        if (row < 0 || row >= list.count())
            return Status::RowOutOfRange;
        text = list.item(row)->text().toStdString();
        return Status::Ok;
    });
}

Status QtControlSurface::writeEnabled(Element element, bool enabled)
{
    return on<QWidget>(element, [enabled](QWidget& widget) {
        widget.setEnabled(enabled);
        return Status::Ok;
    });
}

Status QtControlSurface::writeVisible(Element element, bool visible)
{
    return on<QWidget>(element, [visible](QWidget& widget) {
        widget.setVisible(visible);
        return Status::Ok;
    });
}

Status QtControlSurface::readText(Element element, std::string& text)
{
    return on<TextBox>(element, [&text](const TextBox& box) {
        text = box.exactText();
        return Status::Ok;
    });
}

Status QtControlSurface::writeText(Element element, std::string_view text)
{
    return on<TextBox>(element, [text](TextBox& box) {
        box.setExactText(text);
        return Status::Ok;
    });
}

} // namespace zolinar
