#pragma once

#include <exception>
#include <functional>
#include <stdexcept>
#include <utility>

namespace zolinar {

// Runs each event procedure and stops an error from going any further: an
// exception must never unwind through Qt's event loop. The first error goes
// to the failure handler, once; every procedure after it, and every later
// error of one already running, is dropped. A failure inside a nested event
// (Clear's selection write raises Click, and that fails) makes the outer
// procedure fail at its next step too; that second error is the same
// failure, not a new one, so nobody hears of it. What a failure means to
// the program, a report and its end, is the handler's business.
class EventGuard {
public:
    using FailureHandler = std::function<void(const std::exception&)>;

    explicit EventGuard(FailureHandler onFailure)
        : m_onFailure(std::move(onFailure))
    {
    }

    template<typename Procedure>
    void run(Procedure&& procedure) noexcept
    {
        if (m_failed)
            return;
        try {
            procedure();
        } catch (const std::exception& error) {
            fail(error);
        } catch (...) {
            fail(std::runtime_error("unknown exception"));
        }
    }

    bool hasFailed() const { return m_failed; }

private:
    void fail(const std::exception& error) noexcept
    {
        if (std::exchange(m_failed, true) || !m_onFailure)
            return;
        try {
            m_onFailure(error);
        } catch (...) {
            // The program ends either way; a handler that could not do its
            // work must not turn into a second escape.
        }
    }

    FailureHandler m_onFailure;
    bool m_failed = false;
};

} // namespace zolinar
