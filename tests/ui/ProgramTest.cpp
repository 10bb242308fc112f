#include "ChoiceList.h"
#include "InstrumentedSurface.h"
#include "ShownProgram.h"
#include "Texts.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zolinar;
using namespace zolinar::testing;

namespace {

// Answers the failure report as a person would: reads its text and the
// display box behind it, counts the reports on screen, and presses OK.
class ReportReader : public QObject {
public:
    explicit ReportReader(MainWindow& window)
    {
        connect(&m_poll, &QTimer::timeout, this, [this, &window] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_reports = std::max(m_reports, window.findChildren<QMessageBox*>().size());
            m_text = box->text();
            m_display = displayBoxOf(window)->toPlainText();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_poll.start(5);
    }
    qsizetype reports() const { return m_reports; }
    const QString& text() const { return m_text; }
    // What the display box showed while the report was up.
    const QString& display() const { return m_display; }

private:
    QTimer m_poll;
    QString m_text;
    QString m_display;
    qsizetype m_reports = 0;
};

} // namespace

// The program frame: start, event loop, end, and the end by an error.
class ProgramTest : public QObject {
    Q_OBJECT

private slots:
    void closingTheWindowEndsWithSuccess_data()
    {
        QTest::addColumn<bool>("chosen");
        QTest::newRow("in Ready") << false;
        QTest::newRow("in Chosen") << true;
    }

    void closingTheWindowEndsWithSuccess()
    {
        QFETCH(bool, chosen);
        Program program;
        QTimer::singleShot(0, &program.window(), [&] {
            if (chosen)
                clickRow(program.window(), 1);
            program.window().close();
        });
        QCOMPARE(program.run(), 0);
    }

    void aFailedOperationIsReportedAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("failingCall");
        QTest::addColumn<bool>("acts"); // picks row 2, then presses Clear
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("listEnabled");
        QTest::addColumn<int>("selectedRow");
        const QString guide = QString::fromUtf8(guideText);
        const QString first = QStringLiteral("Детето е излязло от кръга с: \r\n");
        const QString object = first + QStringLiteral("Избран предмет: книга\r\n");
        const QString report = object + QStringLiteral("Предполагаема професия: писател по вида тема\r\n");
        // Every control operation of every procedure, in the order they run
        // (the procedures' own test names each one): Load makes two, a pick
        // nine, and Clear four, the read of the Click that its selection
        // write raises included. After a failed pick the Clear comes too
        // late: nothing runs after the failure.
        QTest::newRow("load: clear the selection") << 1 << false << guide << true << -1;
        QTest::newRow("load: hide the professions") << 2 << false << guide << true << -1;
        QTest::newRow("pick: read the row") << 3 << true << guide << true << 2;
        QTest::newRow("pick: write the first line") << 4 << true << guide << true << 2;
        QTest::newRow("pick: read it back") << 5 << true << first << true << 2;
        QTest::newRow("pick: read the object") << 6 << true << first << true << 2;
        QTest::newRow("pick: write the object line") << 7 << true << first << true << 2;
        QTest::newRow("pick: read that back") << 8 << true << object << true << 2;
        QTest::newRow("pick: read the profession") << 9 << true << object << true << 2;
        QTest::newRow("pick: write the profession line") << 10 << true << object << true << 2;
        QTest::newRow("pick: lock the list") << 11 << true << report << true << 2;
        QTest::newRow("clear: clear the selection") << 12 << true << report << false << 2;
        QTest::newRow("clear: the click it raises reads the row") << 13 << true << report << false << -1;
        QTest::newRow("clear: unlock the list") << 14 << true << report << false << -1;
        QTest::newRow("clear: write the message") << 15 << true << report << true << -1;
    }

    void aFailedOperationIsReportedAndEndsTheProgram()
    {
        QFETCH(int, failingCall);
        QFETCH(bool, acts);
        QFETCH(QString, display);
        QFETCH(bool, listEnabled);
        QFETCH(int, selectedRow);

        InstrumentedSurface* instrumented = nullptr;
        Program program([&](ControlSurface& window) {
            auto surface = std::make_unique<InstrumentedSurface>(window);
            surface->failAt(static_cast<std::size_t>(failingCall));
            instrumented = surface.get();
            return surface;
        });
        ReportReader reader(program.window());
        bool reportInsideTheEvent = false;
        if (acts) {
            QTimer::singleShot(0, &program.window(), [&] {
                clickRow(program.window(), 2);
                QTest::mouseClick(clearButtonOf(program.window()), Qt::LeftButton);
                reportInsideTheEvent = reader.reports() > 0 || QApplication::activeModalWidget();
            });
        }
        const int status = program.run();

        QCOMPARE(status, Program::failureStatus);
        // One report, naming the operation that failed, shown once the
        // failing event had unwound, over the steps done before it.
        QCOMPARE(reader.reports(), 1);
        QVERIFY(!reportInsideTheEvent);
        const InstrumentedSurface::Call failing = instrumented->calls().back();
        for (const std::string& name : { elementName(failing.element), std::string(propertyName(failing.property)),
                 std::string(operationName(failing.operation)) })
            QVERIFY2(reader.text().contains(QString::fromStdString(name)), qPrintable(reader.text()));
        QVERIFY2(reader.text().contains(QStringLiteral("-4")), qPrintable(reader.text()));
        QCOMPARE(reader.display(), QString(display).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

        // The procedure stopped at the failing step: no operation after it
        // reached the window, and what the earlier steps did is still there.
        QCOMPARE(instrumented->calls().size(), static_cast<std::size_t>(failingCall));
        std::string text;
        QCOMPARE(program.window().surface().readText(displayBox, text), Status::Ok);
        QCOMPARE(QString::fromStdString(text), display);
        QCOMPARE(objectListOf(program.window())->isEnabled(), listEnabled);
        QCOMPARE(objectListOf(program.window())->selectedRow(), selectedRow);
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
