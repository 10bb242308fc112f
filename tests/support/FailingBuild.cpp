#include "InstrumentedSurface.h"
#include "Program.h"

#include <cstdlib>
#include <string>

#ifdef __EMSCRIPTEN__
#include <emscripten/val.h>
#endif

namespace zolinar {

// The tests' build links this surface in place of the program's: with
// ZOLINAR_FAIL_AT=n, an environment variable or, in a page, a parameter of
// its address, the n-th control operation of the run (1 is Load's first) fails.
Program::SurfaceWrapper programSurface()
{
#ifdef __EMSCRIPTEN__
    using emscripten::val;
    const val setting = val::global("URLSearchParams").new_(val::global("location")["search"]).call<val>("get", val("ZOLINAR_FAIL_AT"));
    const std::string failAt = setting.isNull() ? "0" : setting.as<std::string>();
#else
    const char* setting = std::getenv("ZOLINAR_FAIL_AT");
    const std::string failAt = setting ? setting : "0";
#endif
    return [failAt](ControlSurface& window) -> std::unique_ptr<ControlSurface> {
        auto surface = std::make_unique<testing::InstrumentedSurface>(window);
        surface->failAt(std::stoul(failAt));
        return surface;
    };
}

} // namespace zolinar
