#include "EventGuard.h"

namespace zolinar {

void EventGuard::fail(const std::exception& error) noexcept
{
    if (m_failed)
        return;
    m_failed = true;
    try {
        if (m_onFailure)
            m_onFailure(error);
    } catch (...) {
        // The program ends either way; a handler that could not do its work
        // must not turn into a second escape.
    }
}

} // namespace zolinar
