#pragma once

#include "SurfaceDecorator.h"

#include <cstddef>
#include <vector>

namespace zolinar::testing {

// Wraps any ControlSurface, records every operation that reaches it in order,
// and can make one chosen operation fail instead of reaching the controls.
// The same decorator serves the in-memory model and the real Qt window.
class InstrumentedSurface final : public SurfaceDecorator {
public:
    struct Call {
        Element element;
        Property property;
        Operation operation;
        friend bool operator==(const Call&, const Call&) = default;
    };

    explicit InstrumentedSurface(ControlSurface& inner)
        : SurfaceDecorator(inner)
    {
    }

    // Fail the n-th operation from now on (1 is the next one) with status.
    void failAt(std::size_t n, Status status = Status::ControlFailed);
    // Every operation so far, the failed one included.
    const std::vector<Call>& calls() const { return m_calls; }
    void clearCalls() { m_calls.clear(); }

private:
    Status intercept(Element element, Property property, Operation operation) override;

    std::vector<Call> m_calls;
    std::size_t m_failAtCall = 0; // index into m_calls + 1; 0 for none
    Status m_failStatus = Status::ControlFailed;
};

} // namespace zolinar::testing
