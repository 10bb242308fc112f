#pragma once

#include "ChoiceList.h"
#include "Program.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace zolinar::testing {

// Raises Load and shows the window as the program does at start, and waits
// until the window is on screen.
inline bool showWindow(Program& program)
{
    program.window().raiseLoad();
    program.window().show();
    return QTest::qWaitForWindowExposed(&program.window());
}

// The widget that stands for an element, found by its name as the program
// finds it.
template<typename Widget = QWidget>
Widget* control(QWidget& window, Element element)
{
    return window.findChild<Widget*>(QtControlSurface::objectName(element), Qt::FindDirectChildrenOnly);
}

inline ChoiceList* objectListOf(QWidget& window) { return control<ChoiceList>(window, objectList); }
inline QPushButton* clearButtonOf(QWidget& window) { return control<QPushButton>(window, { ControlArray::Command1, 0 }); }
inline QPlainTextEdit* displayBoxOf(QWidget& window) { return control<QPlainTextEdit>(window, displayBox); }

} // namespace zolinar::testing
