#include "MemoryControlSurface.h"

#include "Texts.h"

namespace zolinar::testing {

MemoryControlSurface::MemoryControlSurface()
{
    List objects;
    List professions;
    for (const auto& row : catalogue) {
        objects.items.emplace_back(row.object);
        professions.items.emplace_back(row.profession);
    }
    m_lists.emplace(0, std::move(objects));
    m_lists.emplace(1, std::move(professions));
    m_textBoxes.emplace(0, TextBox { std::string(guideText) });
    m_textBoxes.emplace(1, TextBox { std::string(quoteText), false });
}

void MemoryControlSurface::pick(Row row)
{
    List& objects = m_lists.at(0);
    if (!objects.enabled || !objects.visible || row == objects.selected)
        return;
    objects.selected = row;
    if (m_onListClick)
        m_onListClick(0);
}

bool MemoryControlSurface::exists(Element element) const
{
    switch (element.array) {
    case ControlArray::Label1:
    case ControlArray::Command1:
        return element.index == 0;
    case ControlArray::List1:
        return m_lists.contains(element.index);
    case ControlArray::Text1:
        return m_textBoxes.contains(element.index);
    }
    return false;
}

Status MemoryControlSurface::findList(Element element, List*& list)
{
    if (!exists(element))
        return Status::UnknownElement;
    if (element.array != ControlArray::List1)
        return Status::UnsupportedProperty;
    list = &m_lists.at(element.index);
    return Status::Ok;
}

Status MemoryControlSurface::findTextBox(Element element, TextBox*& textBox)
{
    if (!exists(element))
        return Status::UnknownElement;
    if (element.array != ControlArray::Text1)
        return Status::UnsupportedProperty;
    textBox = &m_textBoxes.at(element.index);
    return Status::Ok;
}

Status MemoryControlSurface::readListIndex(Element element, Row& row)
{
    List* target = nullptr;
    if (const Status status = findList(element, target); failed(status))
        return status;
    row = target->selected;
    return Status::Ok;
}

Status MemoryControlSurface::writeListIndex(Element element, Row row)
{
    List* target = nullptr;
    if (const Status status = findList(element, target); failed(status))
        return status;
    if (row < noRow || row >= static_cast<Row>(target->items.size()))
        return Status::RowOutOfRange;
    const bool changed = target->selected != row;
    target->selected = row;
    const bool raise = m_clickOnWrite == ClickOnWrite::Always
        || (m_clickOnWrite == ClickOnWrite::WhenChanged && changed);
    if (raise && m_onListClick)
        m_onListClick(element.index);
    return Status::Ok;
}

Status MemoryControlSurface::readListItem(Element element, Row row, std::string& text)
{
    List* target = nullptr;
    if (const Status status = findList(element, target); failed(status))
        return status;
    if (row < 0 || row >= static_cast<Row>(target->items.size()))
        return Status::RowOutOfRange;
    text = target->items[static_cast<std::size_t>(row)];
    return Status::Ok;
}

// Every control can be enabled and shown or hidden, as on the real window;
// the model keeps the flags of the lists and the boxes' visibility alone.
Status MemoryControlSurface::writeEnabled(Element element, bool enabled)
{
    if (!exists(element))
        return Status::UnknownElement;
    if (element.array == ControlArray::List1)
        m_lists.at(element.index).enabled = enabled;
    return Status::Ok;
}

Status MemoryControlSurface::writeVisible(Element element, bool visible)
{
    if (!exists(element))
        return Status::UnknownElement;
    if (element.array == ControlArray::List1)
        m_lists.at(element.index).visible = visible;
    else if (element.array == ControlArray::Text1)
        m_textBoxes.at(element.index).visible = visible;
    return Status::Ok;
}

Status MemoryControlSurface::readText(Element element, std::string& text)
{
    TextBox* target = nullptr;
    if (const Status status = findTextBox(element, target); failed(status))
        return status;
    text = target->text;
    return Status::Ok;
}

Status MemoryControlSurface::writeText(Element element, std::string_view text)
{
    TextBox* target = nullptr;
    if (const Status status = findTextBox(element, target); failed(status))
        return status;
    target->text = text;
    return Status::Ok;
}

} // namespace zolinar::testing
