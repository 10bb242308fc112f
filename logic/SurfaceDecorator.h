#pragma once

#include "ControlSurface.h"

namespace zolinar {

// A ControlSurface that stands in front of another one: every operation is
// first shown to intercept(), which either lets it through (Status::Ok) or
// answers it with a failed status in its place. Decorators that watch, gate
// or fail operations implement intercept() alone.
class SurfaceDecorator : public ControlSurface {
public:
    Status readListIndex(Element list, Row& row) final;
    Status writeListIndex(Element list, Row row) final;
    Status readListItem(Element list, Row row, std::string& text) final;
    Status writeEnabled(Element element, bool enabled) final;
    Status writeVisible(Element element, bool visible) final;
    Status readText(Element textBox, std::string& text) final;
    Status writeText(Element textBox, std::string_view text) final;

protected:
    explicit SurfaceDecorator(ControlSurface& inner)
        : m_inner(inner)
    {
    }

    // Status::Ok passes the operation on; a failed status is its answer.
    virtual Status intercept(Element element, Property property, Operation operation) = 0;

private:
    ControlSurface& m_inner;
};

} // namespace zolinar
