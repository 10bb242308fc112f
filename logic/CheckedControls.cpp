#include "CheckedControls.h"

#include "RuntimeError.h"

namespace zolinar {

namespace {

void check(Status status, Element element, Property property, Operation operation)
{
    if (failed(status))
        throw RuntimeError(status, element, property, operation);
}

} // namespace

Row CheckedControls::listIndex(Element list)
{
    Row row = noRow;
    check(m_surface.readListIndex(list, row), list, Property::ListIndex, Operation::Read);
    return row;
}

void CheckedControls::setListIndex(Element list, Row row)
{
    check(m_surface.writeListIndex(list, row), list, Property::ListIndex, Operation::Write);
}

std::string CheckedControls::listItem(Element list, Row row)
{
    std::string item;
    check(m_surface.readListItem(list, row, item), list, Property::List, Operation::Read);
    return item;
}

void CheckedControls::setEnabled(Element list, bool enabled)
{
    check(m_surface.writeEnabled(list, enabled), list, Property::Enabled, Operation::Write);
}

void CheckedControls::setVisible(Element list, bool visible)
{
    check(m_surface.writeVisible(list, visible), list, Property::Visible, Operation::Write);
}

std::string CheckedControls::text(Element textBox)
{
    std::string value;
    check(m_surface.readText(textBox, value), textBox, Property::Text, Operation::Read);
    return value;
}

void CheckedControls::setText(Element textBox, std::string_view text)
{
    check(m_surface.writeText(textBox, text), textBox, Property::Text, Operation::Write);
}

} // namespace zolinar
