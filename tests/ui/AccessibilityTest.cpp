#include "ChoiceList.h"
#include "Program.h"
#include "ShownProgram.h"
#include "WindowModel.h"

#include <QAccessible>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace zolinar;
using namespace zolinar::testing;

Q_DECLARE_METATYPE(zolinar::Element)
Q_DECLARE_METATYPE(QAccessible::Role)

// The window as a screen reader sees it, through Qt's accessibility layer:
// names, roles, states and text. That the display box announces its new
// text is checked over AT-SPI by the end-to-end test, since Qt sends
// accessibility events only while a real bridge is active.
class AccessibilityTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> m_program;
    MainWindow& window() { return m_program->window(); }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(zolinar::testing::showWindow(*m_program));
    }

    void cleanup() { m_program.reset(); }

    void namesAndRoles_data()
    {
        QTest::addColumn<Element>("element");
        QTest::addColumn<QAccessible::Role>("role");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        QTest::newRow("title") << Element { ControlArray::Label1, 0 } << QAccessible::StaticText
                               << QStringLiteral("Золинар - релация между предмет и професия") << QString();
        QTest::newRow("object list") << objectList << QAccessible::List << QStringLiteral("Предмети")
                                     << QStringLiteral("Изберете предмета, с който детето е излязло от кръга");
        QTest::newRow("clear button") << Element { ControlArray::Command1, 0 } << QAccessible::Button
                                      << QStringLiteral("Чисти") << QStringLiteral("Отключва списъка за нов избор");
        QTest::newRow("display box") << displayBox << QAccessible::EditableText << QStringLiteral("Отговор")
                                     << QStringLiteral("Предметът и професията, която той предсказва");
    }

    void namesAndRoles()
    {
        QFETCH(Element, element);
        QFETCH(QAccessible::Role, role);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(window(), element));
        QVERIFY(accessible);
        QCOMPARE(accessible->role(), role);
        QCOMPARE(accessible->text(QAccessible::Name), name);
        QCOMPARE(accessible->text(QAccessible::Description), description);
        QVERIFY(!accessible->state().invisible);
    }

    void aScreenReaderFollowsAChoice()
    {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&window());
        QCOMPARE(accessible->role(), QAccessible::Window);
        QVERIFY(accessible->text(QAccessible::Name).endsWith(QStringLiteral("ИТ - определяне на професия")));
        QVERIFY(QAccessible::queryAccessibleInterface(control(window(), professionList))->state().invisible);
        QVERIFY(QAccessible::queryAccessibleInterface(control(window(), { ControlArray::Text1, 1 }))->state().invisible);
        QAccessibleInterface* display = QAccessible::queryAccessibleInterface(displayBoxOf(window()));
        QVERIFY(display->state().readOnly);
        QVERIFY(display->state().focusable);

        ChoiceList* list = objectListOf(window());
        QAccessibleInterface* items = QAccessible::queryAccessibleInterface(list);
        QCOMPARE(items->childCount(), 29);
        QCOMPARE(items->child(2)->text(QAccessible::Name), QStringLiteral("книга"));
        QCOMPARE(items->child(2)->role(), QAccessible::ListItem);

        clickRow(window(), 2);
        const QString report = QString::fromStdString(WindowModel::report(2)).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QAccessibleTextInterface* text = display->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), report);
        // The locked list says so, on every row, and offers nothing to do.
        QVERIFY(items->state().disabled);
        for (int row = 0; row < items->childCount(); ++row) {
            const QAccessible::State state = items->child(row)->state();
            QVERIFY(state.disabled && !state.selectable && !state.focused);
            QVERIFY(items->child(row)->actionInterface()->actionNames().isEmpty());
        }
        QVERIFY(!display->editableTextInterface());
        // Nor does any action Qt defines, asked for by name as a bridge may,
        // change the choice or the report.
        using A = QAccessibleActionInterface;
        for (const QString& action : { A::pressAction(), A::increaseAction(), A::decreaseAction(), A::showMenuAction(),
                 A::setFocusAction(), A::toggleAction(), A::scrollLeftAction(), A::scrollRightAction(),
                 A::scrollUpAction(), A::scrollDownAction(), A::previousPageAction(), A::nextPageAction() }) {
            for (int row = 0; row <= items->childCount(); ++row)
                (row < items->childCount() ? items->child(row) : display)->actionInterface()->doAction(action);
        }
        QCOMPARE(text->text(0, text->characterCount()), report);
        QCOMPARE(list->selectedRow(), 2);
        QVERIFY(!list->isEnabled());
    }

    // Qt's own texts, such as the display box's context menu, speak the
    // window's language whatever the user's locale (the test runs in C).
    void qtTextsAreBulgarian()
    {
        const std::unique_ptr<QMenu> menu(displayBoxOf(window())->createStandardContextMenu());
        QStringList entries;
        for (const QAction* action : menu->actions()) {
            if (!action->isSeparator())
                entries << action->text().section(QLatin1Char('\t'), 0, 0); // without the shortcut
        }
        QVERIFY(entries.size() >= 2);
        static const QRegularExpression cyrillicOnly(QStringLiteral("^[^A-Za-z]*\\p{Cyrillic}[^A-Za-z]*$"));
        for (const QString& entry : std::as_const(entries))
            QVERIFY2(cyrillicOnly.match(entry).hasMatch(), qPrintable(entries.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
