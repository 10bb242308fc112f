#pragma once

#include "ControlSurface.h"

#include <cstdint>

namespace zolinar {

// The program's own behaviour: what happens when the window loads, when a row
// of a list is picked and when Clear is pressed. The procedures keep no state
// of their own: the window is Chosen while the object list is disabled with a
// report in the display box, and Ready while it is enabled. They reach the
// window only through the ControlSurface, in a fixed order of steps, and
// catch nothing: a failed control operation leaves the procedure as a
// RuntimeError at the step that failed. Raising the events, and what becomes
// of an escaped error, is the window's and the program frame's job.
class EventProcedures {
public:
    explicit EventProcedures(ControlSurface& surface)
        : m_surface(surface)
    {
    }

    // The window has been created and filled, and is about to be shown.
    void Form_Load();
    // The selected row of List1(Index) has changed.
    void List1_Click(std::int16_t Index);
    // Command1(Index) has been pressed.
    void Command1_Click(std::int16_t Index);

private:
    ControlSurface& m_surface;
};

} // namespace zolinar
