#pragma once

#include "ControlSurface.h"

#include <utility>
#include <vector>

class QWidget;

namespace zolinar {

// The control operations of the event procedures, carried out on the
// window's real widgets, from the table of elements and widgets that the
// window gives it once. An unknown element, a property its widget does not
// have, or a row outside the list gives a failed status, never a crash.
class QtControlSurface final : public ControlSurface {
public:
    using Controls = std::vector<std::pair<Element, QWidget*>>;

    explicit QtControlSurface(Controls controls)
        : m_controls(std::move(controls))
    {
    }

    Status readListIndex(Element element, Row& row) override;
    Status writeListIndex(Element element, Row row) override;
    Status readListItem(Element element, Row row, std::string& text) override;
    Status writeEnabled(Element element, bool enabled) override;
    Status writeVisible(Element element, bool visible) override;
    Status readText(Element element, std::string& text) override;
    Status writeText(Element element, std::string_view text) override;

private:
    // Runs the operation on the element's widget as the kind of widget that
    // has the property: an element that does not exist is UnknownElement,
    // one of another kind (Text of a list) UnsupportedProperty.
    template<typename Widget, typename Operation>
    Status on(Element element, Operation&& operation) const;

    Controls m_controls;
};

} // namespace zolinar
