#pragma once

#include "ChoiceList.h"
#include "Program.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace zolinar::testing {

// Starts the program as it starts (Load, then the window shown), and waits
// until the window is on screen.
inline bool showWindow(Program& program)
{
    program.start();
    return QTest::qWaitForWindowExposed(&program.window());
}

// The widget that stands for an element, found by the name the form gives
// it: List1_0 for List1(0).
template<typename Widget = QWidget>
Widget* control(QWidget& window, Element element)
{
    const QString name = QStringLiteral("%1_%2").arg(QString::fromUtf8(arrayName(element.array))).arg(element.index);
    return window.findChild<Widget*>(name, Qt::FindDirectChildrenOnly);
}

inline ChoiceList* objectListOf(QWidget& window) { return control<ChoiceList>(window, objectList); }
inline QPushButton* clearButtonOf(QWidget& window) { return control<QPushButton>(window, { ControlArray::Command1, 0 }); }
inline QPlainTextEdit* displayBoxOf(QWidget& window) { return control<QPlainTextEdit>(window, displayBox); }

// The display box's exact text, as the procedures read it.
inline std::string displayText(MainWindow& window)
{
    std::string text;
    return failed(window.surface().readText(displayBox, text)) ? "<read failed>" : text;
}

// A left click on a row of the object list, scrolled into view first.
inline void clickRow(MainWindow& window, int row)
{
    ChoiceList* list = objectListOf(window);
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

} // namespace zolinar::testing
