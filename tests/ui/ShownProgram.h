#pragma once

#include "Program.h"

#include <QTest>

namespace zolinar::testing {

// Raises Load and shows the window as the program does at start, and waits
// until the window is on screen.
inline bool showWindow(Program& program)
{
    program.window().load();
    program.window().show();
    return QTest::qWaitForWindowExposed(&program.window());
}

} // namespace zolinar::testing
