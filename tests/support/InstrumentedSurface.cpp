#include "InstrumentedSurface.h"

namespace zolinar::testing {

void InstrumentedSurface::failAt(std::size_t n, Status status)
{
    m_failAtCall = n == 0 ? 0 : m_calls.size() + n;
    m_failStatus = status;
}

bool InstrumentedSurface::record(Element element, Property property, Operation operation)
{
    m_calls.push_back({ element, property, operation });
    return m_calls.size() == m_failAtCall;
}

Status InstrumentedSurface::readListIndex(Element list, Row& row)
{
    if (record(list, Property::ListIndex, Operation::Read))
        return m_failStatus;
    return m_inner.readListIndex(list, row);
}

Status InstrumentedSurface::writeListIndex(Element list, Row row)
{
    if (record(list, Property::ListIndex, Operation::Write))
        return m_failStatus;
    return m_inner.writeListIndex(list, row);
}

Status InstrumentedSurface::readListItem(Element list, Row row, std::string& text)
{
    if (record(list, Property::List, Operation::Read))
        return m_failStatus;
    return m_inner.readListItem(list, row, text);
}

Status InstrumentedSurface::writeEnabled(Element list, bool enabled)
{
    if (record(list, Property::Enabled, Operation::Write))
        return m_failStatus;
    return m_inner.writeEnabled(list, enabled);
}

Status InstrumentedSurface::writeVisible(Element list, bool visible)
{
    if (record(list, Property::Visible, Operation::Write))
        return m_failStatus;
    return m_inner.writeVisible(list, visible);
}

Status InstrumentedSurface::readText(Element textBox, std::string& text)
{
    if (record(textBox, Property::Text, Operation::Read))
        return m_failStatus;
    return m_inner.readText(textBox, text);
}

Status InstrumentedSurface::writeText(Element textBox, std::string_view text)
{
    if (record(textBox, Property::Text, Operation::Write))
        return m_failStatus;
    return m_inner.writeText(textBox, text);
}

} // namespace zolinar::testing
