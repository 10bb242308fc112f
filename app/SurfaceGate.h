#pragma once

#include "SurfaceDecorator.h"

namespace zolinar {

// Passes every control operation through to the window until it is closed;
// after that each one fails with ControlFailed and touches nothing.
//
// The program ends at the first error, but a procedure can still be on the
// stack when that happens: Clear's ListIndex write raises Click inside it,
// and if List1_Click fails there, Command1_Click resumes when the write
// returns. Closing the gate makes its next step fail as well, so it stops
// there instead of unlocking the list and writing the reset message over
// the state the failure left behind.
class SurfaceGate final : public SurfaceDecorator {
public:
    explicit SurfaceGate(ControlSurface& inner)
        : SurfaceDecorator(inner)
    {
    }

    void close() { m_open = false; }

private:
    Status intercept(Element /*element*/, Property /*property*/, Operation /*operation*/) override
    {
        return m_open ? Status::Ok : Status::ControlFailed;
    }

    bool m_open = true;
};

} // namespace zolinar
