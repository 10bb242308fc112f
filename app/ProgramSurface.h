#pragma once

#include "Program.h"

namespace zolinar {

// The surface the program's event procedures work on, as the program is
// linked: the program's own build links ProgramSurface.cpp, the window's
// surface as it is; the tests' build links a definition of its own that
// fails a control operation they choose. main() takes whichever is linked.
Program::SurfaceWrapper programSurface();

} // namespace zolinar
