#pragma once

#include "EventGuard.h"
#include "EventProcedures.h"
#include "MainWindow.h"
#include "SurfaceGate.h"

#include <functional>
#include <memory>

namespace zolinar {

// The program as a whole: the one window, with Load and the Click events
// registered to the event procedures through the event guard. run() raises
// Load, shows the window and runs the event loop until the window is closed
// (status 0) or an error ended the program (non-zero).
class Program {
public:
    // Lets a caller put its own surface between the procedures and the
    // window, e.g. one that makes a chosen operation fail.
    using SurfaceWrapper = std::function<std::unique_ptr<ControlSurface>(ControlSurface& window)>;

    explicit Program(const SurfaceWrapper& wrapSurface = {});

    int run();

    MainWindow& window() { return m_window; }
    const EventGuard& guard() const { return m_guard; }

private:
    static void report(QWidget* parent, const std::exception& error);

    MainWindow m_window;
    std::unique_ptr<ControlSurface> m_wrappedSurface;
    SurfaceGate m_gate;
    EventProcedures m_procedures;
    EventGuard m_guard;
    bool m_looping = false;
};

} // namespace zolinar
