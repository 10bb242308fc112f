#include "SurfaceGate.h"

namespace zolinar {

Status SurfaceGate::readListIndex(Element list, Row& row)
{
    return m_open ? m_inner.readListIndex(list, row) : Status::ControlFailed;
}

Status SurfaceGate::writeListIndex(Element list, Row row)
{
    return m_open ? m_inner.writeListIndex(list, row) : Status::ControlFailed;
}

Status SurfaceGate::readListItem(Element list, Row row, std::string& text)
{
    return m_open ? m_inner.readListItem(list, row, text) : Status::ControlFailed;
}

Status SurfaceGate::writeEnabled(Element element, bool enabled)
{
    return m_open ? m_inner.writeEnabled(element, enabled) : Status::ControlFailed;
}

Status SurfaceGate::writeVisible(Element element, bool visible)
{
    return m_open ? m_inner.writeVisible(element, visible) : Status::ControlFailed;
}

Status SurfaceGate::readText(Element textBox, std::string& text)
{
    return m_open ? m_inner.readText(textBox, text) : Status::ControlFailed;
}

Status SurfaceGate::writeText(Element textBox, std::string_view text)
{
    return m_open ? m_inner.writeText(textBox, text) : Status::ControlFailed;
}

} // namespace zolinar
