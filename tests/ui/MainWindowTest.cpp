#include "ChoiceList.h"
#include "MainWindow.h"
#include "MemoryControlSurface.h"
#include "Program.h"
#include "ShownProgram.h"
#include "Texts.h"
#include "WindowModel.h"

#include <QClipboard>
#include <QMimeData>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>

Q_DECLARE_METATYPE(zolinar::Element)

using namespace zolinar;
using namespace zolinar::testing;

namespace {

constexpr Element label0 { ControlArray::Label1, 0 };
constexpr Element command0 { ControlArray::Command1, 0 };
constexpr Element quoteBox { ControlArray::Text1, 1 };

std::string report(Row row)
{
    return zolinar::testing::WindowModel::report(row);
}

} // namespace

// Drives the real window with QTest mouse and key events, offscreen.
class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> m_program;

    MainWindow& window() { return m_program->window(); }
    ChoiceList* list() { return objectListOf(window()); }
    QPlainTextEdit* display() { return displayBoxOf(window()); }

    void clickRow(int row) { testing::clickRow(window(), row); }

    void tabInto(QWidget* target)
    {
        for (int i = 0; i < 4 && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
    }

private slots:
    void init()
    {
        m_program = std::make_unique<Program>();
        QVERIFY(zolinar::testing::showWindow(*m_program));
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }

    void cleanup() { m_program.reset(); }

    void geometry_data()
    {
        QTest::addColumn<Element>("element");
        QTest::addColumn<QRect>("rect");
        QTest::addColumn<bool>("shown");
        QTest::newRow("title label") << label0 << QRect(32, 0, 385, 25) << true;
        QTest::newRow("object list") << objectList << QRect(32, 48, 209, 118) << true;
        QTest::newRow("profession list, hidden") << professionList << QRect(96, 72, 209, 118) << false;
        QTest::newRow("clear button") << command0 << QRect(312, 96, 121, 25) << true;
        QTest::newRow("display box") << displayBox << QRect(8, 192, 449, 121) << true;
        QTest::newRow("quote box, hidden") << quoteBox << QRect(40, 216, 449, 121) << false;
    }

    void geometry()
    {
        QFETCH(Element, element);
        QFETCH(QRect, rect);
        QFETCH(bool, shown);
        QWidget* widget = control(window(), element);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), rect);
        QCOMPARE(widget->isVisible(), shown);
        QCOMPARE(window().size(), QSize(461, 345));
    }

    void colours_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("window background") << QPoint(10, 30) << QColor(192, 192, 255);
        QTest::newRow("title band") << QPoint(40, 5) << QColor(255, 192, 128);
        QTest::newRow("clear button face") << QPoint(320, 108) << QColor(255, 0, 0);
        // Where only the hidden controls would be, the background shows.
        QTest::newRow("no profession list") << QPoint(280, 180) << QColor(192, 192, 255);
        QTest::newRow("no quote box") << QPoint(200, 330) << QColor(192, 192, 255);
        QTest::newRow("no quote box past the display box") << QPoint(459, 250) << QColor(192, 192, 255);
    }

    void colours()
    {
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        QWidget other; // takes the activation away, for the second look
        for (const bool active : { true, false }) {
            QCOMPARE(window().isActiveWindow(), active);
            const QImage grab = window().grab().toImage();
            QCOMPARE(grab.pixelColor((QPointF(point) * grab.devicePixelRatio()).toPoint()), colour);
            other.show();
            QApplication::setActiveWindow(&other);
        }
    }

    void font()
    {
        const QFontInfo info(display()->font());
        const QStringList metricCompatible { "Liberation Serif", "Tinos", "Times New Roman" };
        QVERIFY2(metricCompatible.contains(info.family()), qPrintable(info.family()));
        QCOMPARE(info.pixelSize(), 16);
        QCOMPARE(info.bold(), false);
        QCOMPARE(info.italic(), false);
        for (QWidget* widget : window().findChildren<QWidget*>())
            QCOMPARE(widget->font().family(), QStringLiteral("Times New Roman"));
    }

    void startsInTheDisplayBoxAtTheGuide()
    {
        QCOMPARE(QApplication::focusWidget(), display());
        QCOMPARE(display()->verticalScrollBar()->value(), 0);
        QCOMPARE(displayText(window()), std::string(guideText));
        QCOMPARE(list()->selectedRow(), -1);
        QVERIFY(list()->isEnabled());
        QVERIFY(!control(window(), professionList)->isVisible());
        QCOMPARE(display()->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);

        // The scroll bar reaches the last line.
        display()->verticalScrollBar()->setValue(display()->verticalScrollBar()->maximum());
        const QTextBlock last = display()->document()->findBlockByNumber(40);
        QCOMPARE(last.text(), QStringLiteral("топка: футболист, спортист"));
        QTextCursor cursor(last);
        cursor.movePosition(QTextCursor::EndOfBlock);
        const QRect lastLine = display()->cursorRect(cursor);
        QVERIFY(display()->viewport()->rect().contains(lastLine));
    }

    void tabOrder_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("ready: box, list, button") << false;
        QTest::newRow("chosen: the locked list is skipped") << true;
    }

    void tabOrder()
    {
        QFETCH(bool, chosen);
        if (chosen)
            clickRow(4);
        QWidget* button = clearButtonOf(window());
        display()->setFocus();
        QList<QWidget*> forward;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << QApplication::focusWidget();
        }
        const QList<QWidget*> expected = chosen ? QList<QWidget*> { button, display(), button }
                                                : QList<QWidget*> { list(), button, display() };
        QCOMPARE(forward, expected);
        QList<QWidget*> backward;
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward << QApplication::focusWidget();
        }
        const QList<QWidget*> expectedBack = chosen ? QList<QWidget*> { display(), button, display() }
                                                    : QList<QWidget*> { button, list(), display() };
        QCOMPARE(backward, expectedBack);
        if (!chosen)
            QCOMPARE(displayText(window()), std::string(guideText));
    }

    void roadOfOneChoice()
    {
        clickRow(2);
        QCOMPARE(displayText(window()), report(2));
        // Three CR LF are shown as three line breaks.
        QCOMPARE(display()->toPlainText().size(), 100 - 3);
        QVERIFY(!list()->isEnabled());
        QCOMPARE(list()->selectedRow(), 2);
        QVERIFY(list()->item(2)->isSelected());

        // The locked list ignores the mouse and cannot take the focus.
        clickRow(5);
        QCOMPARE(list()->selectedRow(), 2);
        QCOMPARE(displayText(window()), report(2));

        QTest::mouseClick(clearButtonOf(window()), Qt::LeftButton);
        QCOMPARE(displayText(window()), std::string(WindowModel::resetText));
        QVERIFY(list()->isEnabled());
        QCOMPARE(list()->selectedRow(), -1);

        clickRow(7);
        QCOMPARE(displayText(window()), report(7));
    }

    void keyboardPicks_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("row");
        QTest::newRow("Down picks the first row") << int(Qt::Key_Down) << QString() << 0;
        QTest::newRow("Up picks the first row") << int(Qt::Key_Up) << QString() << 0;
        QTest::newRow("Home picks the first row") << int(Qt::Key_Home) << QString() << 0;
        QTest::newRow("Left picks the first row") << int(Qt::Key_Left) << QString() << 0;
        QTest::newRow("Right picks the first row") << int(Qt::Key_Right) << QString() << 0;
        QTest::newRow("Page Up picks the first row") << int(Qt::Key_PageUp) << QString() << 0;
        QTest::newRow("Page Down picks the first row") << int(Qt::Key_PageDown) << QString() << 0;
        QTest::newRow("End picks the last row") << int(Qt::Key_End) << QString() << 28;
        QTest::newRow("Space picks the row under the focus") << int(Qt::Key_Space) << QString() << 0;
        QTest::newRow("a letter picks the first match") << 0 << QStringLiteral("т") << 28;
        QTest::newRow("a letter picks the first row when it matches") << 0 << QStringLiteral("м") << 0;
        QTest::newRow("a capital letter picks the first match") << 0 << QStringLiteral("К") << 2;
    }

    void keyboardPicks()
    {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(int, row);
        tabInto(list());
        if (text.isEmpty())
            QTest::keyClick(list(), Qt::Key(key));
        else
            QTest::sendKeyEvent(QTest::Click, list(), Qt::Key(text.toUpper().at(0).unicode()), text, Qt::NoModifier);
        QCOMPARE(list()->selectedRow(), row);
        QCOMPARE(displayText(window()), report(static_cast<Row>(row)));
        QVERIFY(!list()->isEnabled());
        QVERIFY(QApplication::focusWidget() != list());
    }

    void clearByKeyThenTheNextKeyPicksTheFirstRow_data()
    {
        QTest::addColumn<int>("clearKey");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("backwards");
        QTest::newRow("Space clears; Down, reached with Tab") << int(Qt::Key_Space) << int(Qt::Key_Down) << false;
        QTest::newRow("Enter clears; Space, reached with Tab") << int(Qt::Key_Return) << int(Qt::Key_Space) << false;
        QTest::newRow("keypad Enter clears; Space, reached with Shift+Tab") << int(Qt::Key_Enter) << int(Qt::Key_Space) << true;
    }

    void clearByKeyThenTheNextKeyPicksTheFirstRow()
    {
        QFETCH(int, clearKey);
        QFETCH(int, key);
        QFETCH(bool, backwards);
        tabInto(list());
        QTest::keyClick(list(), Qt::Key_End);
        tabInto(clearButtonOf(window()));
        QTest::keyClick(clearButtonOf(window()), Qt::Key(clearKey));
        QCOMPARE(displayText(window()), std::string(WindowModel::resetText));
        QVERIFY(list()->isEnabled());
        QCOMPARE(list()->selectedRow(), -1);
        if (backwards)
            QTest::keyClick(clearButtonOf(window()), Qt::Key_Backtab, Qt::ShiftModifier);
        else
            tabInto(list());
        QCOMPARE(QApplication::focusWidget(), list());
        QTest::keyClick(list(), Qt::Key(key));
        QCOMPARE(displayText(window()), report(0));
    }

    void displayBoxIsReadOnlyButCopies()
    {
        display()->setFocus();
        QTest::keyClicks(display(), "xyz");
        QCOMPARE(displayText(window()), std::string(guideText));
        QTest::keyClick(display(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(display(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromUtf8(guideText).replace("\r\n", "\n"));

        clickRow(7);
        display()->setFocus();
        QTest::keyClick(display(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(display(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Детето е излязло от кръга с: \nИзбран предмет: "
            "апарат за кръвно\nПредполагаема професия: лекар, аптекар   \n"));
        QCOMPARE(QGuiApplication::clipboard()->mimeData()->formats(), QStringList { QStringLiteral("text/plain") });
    }

    void textRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("CR LF line ends") << QByteArray("one\r\ntwo\r\n");
        QTest::newRow("trailing blanks before CR LF") << QByteArray("лекар, аптекар   \r\n  \r\n");
        QTest::newRow("no line end") << QByteArray("Направете своя нов избор!");
        QTest::newRow("lone LF and CR") << QByteArray("a\nb\rc\r\n");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("empty lines") << QByteArray("\r\n\r\n\r\n");
    }

    void textRoundTrip()
    {
        QFETCH(QByteArray, text);
        ControlSurface& surface = window().surface();
        const std::string written = text.toStdString();
        QCOMPARE(surface.writeText(displayBox, written), Status::Ok);
        std::string read;
        QCOMPARE(surface.readText(displayBox, read), Status::Ok);
        QCOMPARE(read, written);
        std::string quote;
        QCOMPARE(surface.readText(quoteBox, quote), Status::Ok);
        QCOMPARE(quote, std::string(quoteText));
    }

    // The window's and the core tests' in-memory surface keep the same rules.
    // A letter per operation (O Ok, U no element, P no property): read and
    // write ListIndex, read List, write Enabled, Visible, read and write Text.
    void surfaceContract_data()
    {
        QTest::addColumn<bool>("inMemory");
        QTest::newRow("window") << false;
        QTest::newRow("in memory") << true;
    }

    void surfaceContract()
    {
        QFETCH(bool, inMemory);
        MemoryControlSurface memory;
        ControlSurface& surface = inMemory ? memory : window().surface();
        const std::pair<Element, QString> elements[] { { label0, "PPPOOPP" }, { objectList, "OOOOOPP" },
            { professionList, "OOOOOPP" }, { command0, "PPPOOPP" }, { displayBox, "PPPOOOO" }, { quoteBox, "PPPOOOO" },
            { { ControlArray::List1, 2 }, "UUUUUUU" }, { { ControlArray::Text1, -1 }, "UUUUUUU" },
            { { ControlArray::Command1, 1 }, "UUUUUUU" }, { { ControlArray::Label1, 1 }, "UUUUUUU" } };
        for (const auto& [element, expected] : elements) {
            Row row = 5;
            std::string text = "kept";
            QString letters = QString::fromStdString(elementName(element)) + ' ';
            for (const Status status : { surface.readListIndex(element, row), surface.writeListIndex(element, noRow),
                     surface.readListItem(element, 0, text), surface.writeEnabled(element, true),
                     surface.writeVisible(element, true), surface.readText(element, text), surface.writeText(element, "x") })
                letters += QLatin1Char("OUPRF"[-static_cast<int>(status)]);
            QCOMPARE(letters, QString::fromStdString(elementName(element)) + ' ' + expected);
            QVERIFY(expected[0] != 'U' || (row == 5 && text == "kept")); // a failed read leaves the value alone
        }
        std::string text;
        Row row = 5;
        QCOMPARE(surface.writeListIndex(objectList, 29), Status::RowOutOfRange);
        QCOMPARE(surface.writeListIndex(objectList, -2), Status::RowOutOfRange);
        QCOMPARE(surface.readListItem(professionList, 29, text), Status::RowOutOfRange);
        QCOMPARE(surface.readListItem(objectList, noRow, text), Status::RowOutOfRange);
        QVERIFY(surface.readListIndex(objectList, row) == Status::Ok && row == noRow);
        QVERIFY(surface.readListItem(professionList, 28, text) == Status::Ok && text == "футболист, спортист");
    }

    void listIndexWriteRaisesClick()
    {
        QSignalSpy spy(list()->selectionModel(), &QItemSelectionModel::selectionChanged);
        QCOMPARE(window().surface().writeListIndex(objectList, 3), Status::Ok);
        QCOMPARE(spy.count(), 1);
        // The write raised Click, and that made the choice.
        QCOMPARE(displayText(window()), report(3));
        QCOMPARE(window().surface().writeListIndex(objectList, noRow), Status::Ok);
        QCOMPARE(list()->selectedRow(), -1);
        QVERIFY(!list()->currentIndex().isValid());
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
