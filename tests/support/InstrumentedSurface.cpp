#include "InstrumentedSurface.h"

namespace zolinar::testing {

void InstrumentedSurface::failAt(std::size_t n, Status status)
{
    m_failAtCall = n == 0 ? 0 : m_calls.size() + n;
    m_failStatus = status;
}

Status InstrumentedSurface::intercept(Element element, Property property, Operation operation)
{
    m_calls.push_back({ element, property, operation });
    return m_calls.size() == m_failAtCall ? m_failStatus : Status::Ok;
}

} // namespace zolinar::testing
