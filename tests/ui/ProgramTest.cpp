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
            m_windowShown = window.isVisible();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_poll.start(5);
    }
    qsizetype reports() const { return m_reports; }
    const QString& text() const { return m_text; }
    // What the display box showed while the report was up.
    const QString& display() const { return m_display; }
    bool windowShown() const { return m_windowShown; }

private:
    QTimer m_poll;
    QString m_text;
    QString m_display;
    qsizetype m_reports = 0;
    bool m_windowShown = false;
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
        QTest::addColumn<int>("failingCall"); // counted from Load's first operation
        QTest::addColumn<int>("failure");
        QTest::addColumn<bool>("loaded"); // the window shows; the test picks row 2, then presses Clear
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("listEnabled");
        QTest::addColumn<int>("selectedRow");
        const QString guide = QString::fromUtf8(guideText);
        const QString first = QStringLiteral("Детето е излязло от кръга с: \r\n");
        const QString choice = first + QStringLiteral("Избран предмет: книга\r\nПредполагаема професия: писател по вида тема\r\n");
        const QString failedRead = QStringLiteral("Грешка при изпълнение: -4 (контролата не изпълни операцията).\n"
            "Елемент: List1(0)\nОперация: четене на свойството ListIndex\n\nПрограмата ще бъде затворена.");
        const QString failedWrite = QStringLiteral("Грешка при изпълнение: -4 (контролата не изпълни операцията).\n"
            "Елемент: Text1(0)\nОперация: запис на свойството Text\n\nПрограмата ще бъде затворена.");
        const QString noElement = QStringLiteral("Грешка при изпълнение: -1 (няма такъв елемент).\n"
            "Елемент: List1(1)\nОперация: запис на свойството Visible\n\nПрограмата ще бъде затворена.");
        // Load makes 2 operations, a pick 9; Clear's first raises a Click (13).
        QTest::newRow("load: no such element") << 2 << -1 << false << noElement << guide << true << -1;
        QTest::newRow("pick: read the row") << 3 << -4 << true << failedRead << guide << true << 2;
        QTest::newRow("pick: write the object line") << 7 << -4 << true << failedWrite << first << true << 2;
        QTest::newRow("clear: the click it raises") << 13 << -4 << true << failedRead << choice << false << -1;
    }

    void aFailedOperationIsReportedAndEndsTheProgram()
    {
        QFETCH(int, failingCall);
        QFETCH(int, failure);
        QFETCH(bool, loaded);
        QFETCH(QString, report);
        QFETCH(QString, display);
        QFETCH(bool, listEnabled);
        QFETCH(int, selectedRow);

        InstrumentedSurface* instrumented = nullptr;
        Program program([&](ControlSurface& window) {
            auto surface = std::make_unique<InstrumentedSurface>(window);
            surface->failAt(static_cast<std::size_t>(failingCall), static_cast<Status>(failure));
            instrumented = surface.get();
            return surface;
        });
        ReportReader reader(program.window());
        bool reportInsideTheEvent = false;
        if (loaded) {
            QTimer::singleShot(0, &program.window(), [&] {
                clickRow(program.window(), 2);
                QTest::mouseClick(clearButtonOf(program.window()), Qt::LeftButton);
                reportInsideTheEvent = reader.reports() > 0 || QApplication::activeModalWidget();
            });
        }
        QCOMPARE(program.run(), 1);

        // One report, in full, shown once the failing event had unwound,
        // over the steps done before it; after a failed Load, with no window.
        QCOMPARE(reader.reports(), 1);
        QVERIFY(!reportInsideTheEvent);
        QCOMPARE(reader.text(), report);
        QCOMPARE(reader.windowShown(), loaded);
        QCOMPARE(reader.display(), QString(display).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

        // The procedure stopped at the failing step: no operation after it
        // reached the window, and what the earlier steps did is still there.
        QCOMPARE(instrumented->calls().size(), static_cast<std::size_t>(failingCall));
        QCOMPARE(QString::fromStdString(displayText(program.window())), display);
        QCOMPARE(objectListOf(program.window())->isEnabled(), listEnabled);
        QCOMPARE(objectListOf(program.window())->selectedRow(), selectedRow);
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
