#include "EventProcedures.h"

#include "RuntimeError.h"
#include "Texts.h"

#include <string>

namespace zolinar {

namespace {

// The control operations as the procedures use them: each call either
// succeeds and hands back its value, or throws a RuntimeError that names the
// status, the element, the property and the operation. The values are plain
// strings and numbers, so a step that throws leaves nothing to release.
class CheckedControls {
public:
    explicit CheckedControls(ControlSurface& surface)
        : m_surface(surface)
    {
    }

    Row listIndex(Element list)
    {
        Row row = noRow;
        check(m_surface.readListIndex(list, row), list, Property::ListIndex, Operation::Read);
        return row;
    }

    std::string listItem(Element list, Row row)
    {
        std::string item;
        check(m_surface.readListItem(list, row, item), list, Property::List, Operation::Read);
        return item;
    }

    std::string text(Element textBox)
    {
        std::string value;
        check(m_surface.readText(textBox, value), textBox, Property::Text, Operation::Read);
        return value;
    }

    void setListIndex(Element list, Row row) { check(m_surface.writeListIndex(list, row), list, Property::ListIndex, Operation::Write); }
    void setEnabled(Element list, bool enabled) { check(m_surface.writeEnabled(list, enabled), list, Property::Enabled, Operation::Write); }
    void setVisible(Element list, bool visible) { check(m_surface.writeVisible(list, visible), list, Property::Visible, Operation::Write); }
    void setText(Element textBox, std::string_view text) { check(m_surface.writeText(textBox, text), textBox, Property::Text, Operation::Write); }

private:
    static void check(Status status, Element element, Property property, Operation operation)
    {
        if (failed(status))
            throw RuntimeError(status, element, property, operation);
    }

    ControlSurface& m_surface;
};

} // namespace

void EventProcedures::Form_Load()
{
    CheckedControls controls(m_surface);
    controls.setListIndex(objectList, noRow);
    controls.setVisible(professionList, false);
}

void EventProcedures::List1_Click(std::int16_t Index)
{
    if (Index != 0)
        return;

    CheckedControls controls(m_surface);
    // Read once: both look-ups below must use the same row even if a write
    // in between were to change the selection.
    const Row row = controls.listIndex(objectList);

    // A selection cleared by Form_Load or by Clear raises this event too,
    // with no row selected. That is not a choice: looking up row -1 would
    // fail, and a report for no object would be wrong, so nothing happens.
    if (row == noRow)
        return;

    std::string report { reportFirstLine };
    report += lineEnd;
    controls.setText(displayBox, report);

    report = controls.text(displayBox);
    report += objectLinePrefix;
    report += controls.listItem(objectList, row);
    report += lineEnd;
    controls.setText(displayBox, report);

    report = controls.text(displayBox);
    report += professionLinePrefix;
    report += controls.listItem(professionList, row);
    report += lineEnd;
    controls.setText(displayBox, report);

    controls.setEnabled(objectList, false);
}

void EventProcedures::Command1_Click(std::int16_t Index)
{
    if (Index != 0)
        return;

    CheckedControls controls(m_surface);
    // Clearing the selection may run List1_Click inside this write; the two
    // steps after it overwrite whatever that could leave behind.
    controls.setListIndex(objectList, noRow);
    controls.setEnabled(objectList, true);
    controls.setText(displayBox, resetMessage);
}

} // namespace zolinar
