#pragma once

#include "ControlSurface.h"

#include <QString>

class QWidget;

namespace zolinar {

// The control operations of the event procedures, carried out on the
// window's real widgets. It keeps no table of its own: each operation finds
// the element's widget among the window's children by its object name,
// List1_0 for List1(0). An unknown element, a property its widget does not
// have, or a row outside the list gives a failed status, never a crash.
class QtControlSurface final : public ControlSurface {
public:
    explicit QtControlSurface(QWidget& window)
        : m_window(window)
    {
    }

    // The object name of the widget that stands for an element.
    static QString objectName(Element element);

    Status readListIndex(Element element, Row& row) override;
    Status writeListIndex(Element element, Row row) override;
    Status readListItem(Element element, Row row, std::string& text) override;
    Status writeEnabled(Element element, bool enabled) override;
    Status writeVisible(Element element, bool visible) override;
    Status readText(Element element, std::string& text) override;
    Status writeText(Element element, std::string_view text) override;

private:
    template<typename Widget>
    Status find(Element element, Widget*& widget) const;

    QWidget& m_window;
};

} // namespace zolinar
