#include "InstrumentedSurface.h"
#include "Program.h"

#include <cstdlib>
#include <string>

namespace zolinar::testing {

// The surface of the tests' build of the program: with ZOLINAR_FAIL_AT=n
// the n-th control operation of the run (1 is Load's first) fails with
// ControlFailed; without it nothing fails.
Program::SurfaceWrapper failingSurface()
{
    return [](ControlSurface& window) -> std::unique_ptr<ControlSurface> {
        auto surface = std::make_unique<InstrumentedSurface>(window);
        if (const char* failAt = std::getenv("ZOLINAR_FAIL_AT"))
            surface->failAt(std::stoul(failAt));
        return surface;
    };
}

} // namespace zolinar::testing
