#include "EventGuard.h"

#include <stdexcept>

namespace zolinar {

void EventGuard::run(const std::function<void()>& procedure) noexcept
{
    if (m_ended)
        return;
    try {
        procedure();
    } catch (const std::exception& error) {
        end(error);
    } catch (...) {
        end(std::runtime_error("unknown exception"));
    }
}

void EventGuard::end(const std::exception& error) noexcept
{
    m_ended = true;
    try {
        if (m_reporter)
            m_reporter(error);
    } catch (...) {
        // The program ends either way; a report that could not be shown must
        // not turn into a second escape.
    }
    if (m_ender)
        m_ender(failureStatus);
}

} // namespace zolinar
