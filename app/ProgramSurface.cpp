#include "ProgramSurface.h"

namespace zolinar {

Program::SurfaceWrapper programSurface()
{
    // Nothing between the procedures and the window.
    return {};
}

} // namespace zolinar
