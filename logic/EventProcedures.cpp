#include "EventProcedures.h"

#include "CheckedControls.h"
#include "Texts.h"

#include <string>

namespace zolinar {

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
