#include "ChoiceList.h"
#include "InstrumentedSurface.h"
#include "Program.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace zolinar;
using zolinar::testing::InstrumentedSurface;

namespace {

// Answers the first failure report that appears: keeps its text and presses
// its button, as a person would.
class ReportReader : public QObject {
public:
    ReportReader()
    {
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            m_text = box->text();
            m_seen = true;
            m_poll.stop();
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
        });
        m_poll.start(5);
    }
    bool seen() const { return m_seen; }
    const QString& text() const { return m_text; }

private:
    QTimer m_poll;
    QString m_text;
    bool m_seen = false;
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
            if (chosen) {
                ChoiceList* list = program.window().objectListWidget();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
            }
            program.window().close();
        });
        QCOMPARE(program.run(), 0);
        QVERIFY(!program.guard().hasEnded());
    }

    void aFailedOperationIsReportedAndEndsTheProgram_data()
    {
        QTest::addColumn<int>("failingCall");
        QTest::addColumn<bool>("pick");
        QTest::addColumn<QStringList>("reportNames");
        // Load makes two calls; a pick makes nine more.
        QTest::newRow("load clearing the selection") << 1 << false << QStringList { "List1(0)", "ListIndex", "запис" };
        QTest::newRow("load hiding the professions") << 2 << false << QStringList { "List1(1)", "Visible", "запис" };
        QTest::newRow("pick reading the row") << 3 << true << QStringList { "List1(0)", "ListIndex", "четене" };
        QTest::newRow("pick reading the profession") << 9 << true << QStringList { "List1(1)", "List", "четене" };
        QTest::newRow("pick locking the list") << 11 << true << QStringList { "List1(0)", "Enabled", "запис" };
    }

    void aFailedOperationIsReportedAndEndsTheProgram()
    {
        QFETCH(int, failingCall);
        QFETCH(bool, pick);
        QFETCH(QStringList, reportNames);

        InstrumentedSurface* instrumented = nullptr;
        Program program([&](ControlSurface& window) {
            auto surface = std::make_unique<InstrumentedSurface>(window);
            surface->failAt(static_cast<std::size_t>(failingCall));
            instrumented = surface.get();
            return surface;
        });
        if (pick) {
            QTimer::singleShot(0, &program.window(), [&] {
                ChoiceList* list = program.window().objectListWidget();
                QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
            });
        }
        ReportReader reader;
        const int status = program.run();

        QVERIFY(status != 0);
        QVERIFY(program.guard().hasEnded());
        QVERIFY(reader.seen());
        for (const QString& name : reportNames)
            QVERIFY2(reader.text().contains(name), qPrintable(reader.text()));
        QVERIFY2(reader.text().contains(QStringLiteral("-4")), qPrintable(reader.text()));
        QCOMPARE(instrumented->calls().size(), static_cast<std::size_t>(failingCall));
    }

    void eventsAfterTheFailureAreIgnored()
    {
        std::size_t callsAtFailure = 0;
        InstrumentedSurface* instrumented = nullptr;
        Program program([&](ControlSurface& window) {
            auto surface = std::make_unique<InstrumentedSurface>(window);
            surface->failAt(3);
            instrumented = surface.get();
            return surface;
        });
        QTimer::singleShot(0, &program.window(), [&] {
            ChoiceList* list = program.window().objectListWidget();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
            callsAtFailure = instrumented->calls().size();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(4)).center());
            QTest::mouseClick(program.window().clearButton(), Qt::LeftButton);
        });
        ReportReader reader;
        QVERIFY(program.run() != 0);
        QCOMPARE(callsAtFailure, std::size_t { 3 });
        QCOMPARE(instrumented->calls().size(), callsAtFailure);
    }
};

QTEST_MAIN(ProgramTest)
#include "ProgramTest.moc"
