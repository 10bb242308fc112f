#pragma once

#include "ControlSurface.h"

namespace zolinar {

// Passes every control operation through to the window until it is closed;
// after that each one fails with ControlFailed and touches nothing.
//
// The program ends at the first error, but a procedure can still be on the
// stack when that happens: Clear's ListIndex write raises Click inside it,
// and if List1_Click fails there, the guard reports it and Command1_Click
// resumes when the write returns. Closing the gate makes its next step fail
// as well, so it stops there instead of unlocking the list and writing the
// reset message over the state the failure left behind.
class SurfaceGate final : public ControlSurface {
public:
    explicit SurfaceGate(ControlSurface& inner)
        : m_inner(inner)
    {
    }

    void close() { m_open = false; }
    bool isOpen() const { return m_open; }

    Status readListIndex(Element list, Row& row) override;
    Status writeListIndex(Element list, Row row) override;
    Status readListItem(Element list, Row row, std::string& text) override;
    Status writeEnabled(Element element, bool enabled) override;
    Status writeVisible(Element element, bool visible) override;
    Status readText(Element textBox, std::string& text) override;
    Status writeText(Element textBox, std::string_view text) override;

private:
    ControlSurface& m_inner;
    bool m_open = true;
};

} // namespace zolinar
