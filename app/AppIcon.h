#pragma once

#include <QIcon>

namespace zolinar {

// The program's hamburger icon, built from the XPM picture compiled into it,
// at 32 x 32 and, pixel-doubled, at 64 x 64.
QIcon appIcon();

} // namespace zolinar
