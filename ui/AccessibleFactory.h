#pragma once

namespace zolinar {

// Gives the window and its controls the accessible interfaces that tell
// assistive technology the truth about them: the window is the program's
// frame, named by its caption, and holds only the controls a person can
// see (the hidden profession list and quote box are not in the tree); the
// object list and the display box offer only what their state allows
// (AccessibleChoiceList, AccessibleTextBox). Installed once, before the
// first window exists.
void installAccessibleFactory();

} // namespace zolinar
