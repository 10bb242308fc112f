#pragma once

namespace zolinar {

// Gives the window and its controls accessible interfaces that tell the
// truth about them: the window is the program's frame, named by its
// caption, holding only the controls a person can see; the object list and
// the display box offer only what their state allows. Installed once,
// before the first window exists.
void installAccessibleFactory();

} // namespace zolinar
