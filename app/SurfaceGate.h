#pragma once

#include "EventGuard.h"
#include "SurfaceDecorator.h"

namespace zolinar {

// Passes every control operation through to the window until the program
// has failed, as its event guard knows; after that each one fails with
// ControlFailed and touches nothing. A procedure can outlive the failure:
// Clear's ListIndex write raises Click inside it, and if List1_Click fails
// there, Command1_Click resumes when the write returns. Its next step then
// fails too, instead of unlocking the list and writing the reset message
// over the state the failure left behind.
class SurfaceGate final : public SurfaceDecorator {
public:
    SurfaceGate(ControlSurface& inner, const EventGuard& guard)
        : SurfaceDecorator(inner)
        , m_guard(guard)
    {
    }

private:
    Status intercept(Element /*element*/, Property /*property*/, Operation /*operation*/) override
    {
        return m_guard.hasFailed() ? Status::ControlFailed : Status::Ok;
    }

    const EventGuard& m_guard;
};

} // namespace zolinar
