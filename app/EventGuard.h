#pragma once

#include <exception>
#include <functional>

namespace zolinar {

// Runs each event procedure and stops an error from going any further: an
// exception must never unwind through Qt's event loop. The first error is
// handed to the reporter, which tells the user, and then to the ender, which
// ends the program with failureStatus; events that arrive after that are
// ignored, so nothing runs on a window whose state a failed step left half
// done. How the program ends is the ender's business: before the event loop
// runs there is no loop to leave.
class EventGuard {
public:
    using Reporter = std::function<void(const std::exception&)>;
    using Ender = std::function<void(int status)>;

    EventGuard(Reporter reporter, Ender ender)
        : m_reporter(std::move(reporter))
        , m_ender(std::move(ender))
    {
    }

    void run(const std::function<void()>& procedure) noexcept;

    bool hasEnded() const { return m_ended; }
    int exitStatus() const { return m_ended ? failureStatus : 0; }

    static constexpr int failureStatus = 1;

private:
    void end(const std::exception& error) noexcept;

    Reporter m_reporter;
    Ender m_ender;
    bool m_ended = false;
};

} // namespace zolinar
