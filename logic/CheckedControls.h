#pragma once

#include "ControlSurface.h"

#include <string>
#include <string_view>

namespace zolinar {

// The control operations as the event procedures use them: each call either
// succeeds and hands back its value, or throws a RuntimeError that names the
// status, the element, the property and the operation. It holds nothing of
// its own; the values it returns are plain strings and numbers, so a step
// that throws leaves nothing behind to release.
class CheckedControls {
public:
    explicit CheckedControls(ControlSurface& surface)
        : m_surface(surface)
    {
    }

    Row listIndex(Element list);
    void setListIndex(Element list, Row row);
    std::string listItem(Element list, Row row);
    void setEnabled(Element list, bool enabled);
    void setVisible(Element list, bool visible);
    std::string text(Element textBox);
    void setText(Element textBox, std::string_view text);

private:
    ControlSurface& m_surface;
};

} // namespace zolinar
