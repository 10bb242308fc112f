#include "MainWindow.h"
#include "MemoryControlSurface.h"

#include <QTest>

using namespace zolinar;

// The rules of the control operations, held against the real window's
// surface and the in-memory one that the core's tests use: each element
// answers every operation with the same status from both.
class SurfaceContractTest : public QObject {
    Q_OBJECT

private:
    // Every operation on an element, with values that are valid for it, as
    // one letter each: O Ok, U no such element, P no such property, R row
    // out of range. In order: read ListIndex, write ListIndex, read List,
    // write Enabled, write Visible, read Text, write Text.
    static QString statuses(ControlSurface& surface, Element element)
    {
        Row row = 5;
        std::string text = "kept";
        const Status all[] { surface.readListIndex(element, row), surface.writeListIndex(element, noRow),
            surface.readListItem(element, 0, text), surface.writeEnabled(element, true),
            surface.writeVisible(element, true), surface.readText(element, text), surface.writeText(element, "x") };
        QString letters;
        for (Status status : all)
            letters += QLatin1Char("OUPRF"[-static_cast<int>(status)]);
        if (letters.startsWith(QLatin1Char('U')))
            letters += row == 5 && text == "kept" ? "" : " (a failed read changed the caller's value)";
        return letters;
    }

    static void holdsTheContract(ControlSurface& surface)
    {
        const std::pair<Element, QString> elements[] {
            { { ControlArray::Label1, 0 }, "PPPOOPP" }, { objectList, "OOOOOPP" }, { professionList, "OOOOOPP" },
            { { ControlArray::Command1, 0 }, "PPPOOPP" }, { displayBox, "PPPOOOO" }, { { ControlArray::Text1, 1 }, "PPPOOOO" },
            { { ControlArray::List1, 2 }, "UUUUUUU" }, { { ControlArray::Text1, -1 }, "UUUUUUU" },
            { { ControlArray::Command1, 1 }, "UUUUUUU" }, { { ControlArray::Label1, 1 }, "UUUUUUU" },
        };
        for (const auto& [element, expected] : elements)
            QCOMPARE(statuses(surface, element) + ' ' + QString::fromStdString(elementName(element)),
                expected + ' ' + QString::fromStdString(elementName(element)));

        std::string text;
        Row row = 5;
        QCOMPARE(surface.writeListIndex(objectList, 29), Status::RowOutOfRange);
        QCOMPARE(surface.writeListIndex(objectList, -2), Status::RowOutOfRange);
        QCOMPARE(surface.readListItem(professionList, 29, text), Status::RowOutOfRange);
        QCOMPARE(surface.readListItem(objectList, noRow, text), Status::RowOutOfRange);
        QCOMPARE(surface.readListIndex(objectList, row), Status::Ok);
        QCOMPARE(row, noRow); // the rows out of range selected nothing
        QCOMPARE(surface.readListItem(professionList, 28, text), Status::Ok);
        QCOMPARE(text, "футболист, спортист");
    }

private slots:
    void memorySurface()
    {
        testing::MemoryControlSurface memory;
        holdsTheContract(memory);
    }

    void windowSurface()
    {
        MainWindow window;
        holdsTheContract(window.surface());
    }
};

QTEST_MAIN(SurfaceContractTest)
#include "SurfaceContractTest.moc"
