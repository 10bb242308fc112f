#pragma once

#include <QIcon>

namespace zolinar {

// The program's hamburger icon, built from the XPM picture compiled into it.
QIcon appIcon();

} // namespace zolinar
