#include "SurfaceDecorator.h"

namespace zolinar {

Status SurfaceDecorator::readListIndex(Element list, Row& row)
{
    const Status status = intercept(list, Property::ListIndex, Operation::Read);
    return failed(status) ? status : m_inner.readListIndex(list, row);
}

Status SurfaceDecorator::writeListIndex(Element list, Row row)
{
    const Status status = intercept(list, Property::ListIndex, Operation::Write);
    return failed(status) ? status : m_inner.writeListIndex(list, row);
}

Status SurfaceDecorator::readListItem(Element list, Row row, std::string& text)
{
    const Status status = intercept(list, Property::List, Operation::Read);
    return failed(status) ? status : m_inner.readListItem(list, row, text);
}

Status SurfaceDecorator::writeEnabled(Element element, bool enabled)
{
    const Status status = intercept(element, Property::Enabled, Operation::Write);
    return failed(status) ? status : m_inner.writeEnabled(element, enabled);
}

Status SurfaceDecorator::writeVisible(Element element, bool visible)
{
    const Status status = intercept(element, Property::Visible, Operation::Write);
    return failed(status) ? status : m_inner.writeVisible(element, visible);
}

Status SurfaceDecorator::readText(Element textBox, std::string& text)
{
    const Status status = intercept(textBox, Property::Text, Operation::Read);
    return failed(status) ? status : m_inner.readText(textBox, text);
}

Status SurfaceDecorator::writeText(Element textBox, std::string_view text)
{
    const Status status = intercept(textBox, Property::Text, Operation::Write);
    return failed(status) ? status : m_inner.writeText(textBox, text);
}

} // namespace zolinar
