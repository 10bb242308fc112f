#include "Program.h"

// The program's own surface: nothing between the procedures and the window.
zolinar::Program::SurfaceWrapper zolinar::programSurface()
{
    return {};
}
