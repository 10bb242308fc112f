#include "ChoiceList.h"
#include "Program.h"
#include "ShownProgram.h"
#include "WindowModel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QMessageBox>
#include <QTest>
#include <QWheelEvent>

#include <deque>
#include <random>
#include <sstream>
#include <thread>

using namespace zolinar;
using namespace zolinar::testing;

namespace {

// Letters typed into the list: first letters of objects in both cases, and
// letters that start no object.
const QStringList letters { "к", "К", "м", "т", "б", "ч", "о", "ц", "Ц", "п", "р", "ъ", "я", "x", "q" };

std::uint32_t seedFromEnvironment()
{
    bool ok = false;
    const auto seed = qEnvironmentVariable("ZOLINAR_SEED").toUInt(&ok);
    return ok ? seed : std::random_device {}();
}

int actionCountFromEnvironment()
{
    bool ok = false;
    const int count = qEnvironmentVariableIntValue("ZOLINAR_ACTIONS", &ok);
    return ok && count > 0 ? count : 10000;
}

} // namespace

// Long random sessions of a person's mouse and keyboard actions on the real
// window, compared after every action with a model of what the window must
// show. The seed is printed; ZOLINAR_SEED=<seed> replays a run exactly and
// ZOLINAR_ACTIONS sets its length.
class RandomSessionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Program> m_program;
    WindowModel m_model;
    std::mt19937 m_random;
    std::deque<std::string> m_history;

    MainWindow& window() { return m_program->window(); }
    ChoiceList* list() { return objectListOf(window()); }
    QPlainTextEdit* display() { return displayBoxOf(window()); }

    int uniform(int from, int to) { return std::uniform_int_distribution<int>(from, to)(m_random); }

    std::vector<int> fullyVisibleRows()
    {
        std::vector<int> rows;
        for (int row = 0; row < list()->count(); ++row) {
            if (list()->viewport()->rect().contains(list()->visualItemRect(list()->item(row))))
                rows.push_back(row);
        }
        return rows;
    }

    Focus actualFocus(bool& known)
    {
        known = true;
        QWidget* focus = QApplication::focusWidget();
        if (focus == display())
            return Focus::DisplayBox;
        if (focus == list())
            return Focus::ObjectList;
        if (focus == clearButtonOf(window()))
            return Focus::ClearButton;
        known = false;
        return Focus::DisplayBox;
    }

    QWidget* focused() { return QApplication::focusWidget() ? QApplication::focusWidget() : &window(); }

    void wheel(QWidget* target, int steps)
    {
        const QPointF at = QPointF(target->rect().center());
        QWheelEvent event(at, target->mapToGlobal(at), QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(target, &event);
    }

    // Types each character as its own key press, Cyrillic included.
    static void typeInto(QWidget* target, const QString& text)
    {
        for (const QChar c : text) {
            if (c == QLatin1Char('\n'))
                QTest::keyClick(target, Qt::Key_Return);
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    }

    std::string typed(int length)
    {
        static const QString alphabet = QStringLiteral("абвгдежзийклмнопрстуфхцчшщъьюя ABCxyz019 \t\n.,!");
        QString text;
        for (int i = 0; i < length; ++i)
            text += alphabet.at(uniform(0, static_cast<int>(alphabet.size()) - 1));
        return text.toStdString();
    }

    // Performs one random action on the window and the model alike.
    std::string act()
    {
        const int dice = uniform(0, 99);
        std::ostringstream what;
        if (dice < 14) {
            const auto rows = fullyVisibleRows();
            const int row = rows.at(static_cast<std::size_t>(uniform(0, static_cast<int>(rows.size()) - 1)));
            what << "click row " << row;
            clickRow(window(), row);
            m_model.apply(UserAction::ClickRow, static_cast<Row>(row));
        } else if (dice < 20) {
            what << "click Clear";
            QTest::mouseClick(clearButtonOf(window()), Qt::LeftButton);
            m_model.apply(UserAction::ClickClear);
        } else if (dice < 24) {
            what << "click display box";
            QTest::mouseClick(display()->viewport(), Qt::LeftButton, {}, QPoint(uniform(1, 400), uniform(1, 100)));
            m_model.apply(UserAction::ClickDisplay);
        } else if (dice < 50) {
            static constexpr std::pair<Qt::Key, UserAction> keys[] {
                { Qt::Key_Up, UserAction::KeyUp }, { Qt::Key_Down, UserAction::KeyDown },
                { Qt::Key_Home, UserAction::KeyHome }, { Qt::Key_End, UserAction::KeyEnd },
                { Qt::Key_PageUp, UserAction::KeyPageUp }, { Qt::Key_PageDown, UserAction::KeyPageDown },
                { Qt::Key_Space, UserAction::KeySpace }, { Qt::Key_Return, UserAction::KeyEnter },
                { Qt::Key_Enter, UserAction::KeyEnter },
            };
            const auto& [key, action] = keys[uniform(0, std::size(keys) - 1)];
            what << actionName(action) << " in " << focusName(m_model.focus());
            QTest::keyClick(focused(), key);
            m_model.apply(action);
        } else if (dice < 58) {
            const QString letter = letters.at(uniform(0, static_cast<int>(letters.size()) - 1));
            what << "letter " << letter.toStdString() << " in " << focusName(m_model.focus());
            // A person types each letter after a pause longer than the
            // keyboard search interval, so each starts a new search. The
            // interval is cut to 1 ms for the test (see below) to keep
            // the pauses short.
            std::this_thread::sleep_for(std::chrono::milliseconds(3));
            QTest::sendKeyEvent(QTest::Click, focused(), Qt::Key(letter.toUpper().at(0).unicode()), letter, Qt::NoModifier);
            m_model.apply(UserAction::KeyLetter, noRow, letter.toStdString());
        } else if (dice < 70) {
            const bool back = dice >= 64;
            what << (back ? "Shift+Tab" : "Tab") << " from " << focusName(m_model.focus());
            if (back)
                QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            else
                QTest::keyClick(focused(), Qt::Key_Tab);
            m_model.apply(back ? UserAction::BackTab : UserAction::Tab);
        } else if (dice < 80) {
            const bool overList = dice < 76;
            const int steps = uniform(-3, 3);
            what << "wheel " << steps << (overList ? " over the list" : " over the display box");
            wheel(overList ? list()->viewport() : display()->viewport(), steps);
            m_model.apply(UserAction::Wheel);
        } else if (dice < 90) {
            const std::string text = typed(uniform(1, 40));
            what << "type " << text.size() << " bytes into the display box";
            QTest::mouseClick(display()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
            typeInto(display(), QString::fromStdString(text).remove(QChar('\t')));
            m_model.apply(UserAction::TypeText);
        } else {
            const std::string text = typed(uniform(1, 2000));
            what << "paste " << text.size() << " bytes into the display box";
            QGuiApplication::clipboard()->setText(QString::fromStdString(text));
            QTest::mouseClick(display()->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
            QTest::keyClick(display(), Qt::Key_V, Qt::ControlModifier);
            m_model.apply(UserAction::PasteText);
        }
        return what.str();
    }

    // The window against the model, and the rules that hold whatever the
    // model says. Returns an empty string when all holds.
    std::string mismatch()
    {
        std::string shown;
        if (failed(window().surface().readText(displayBox, shown)))
            return "the display box cannot be read";
        std::ostringstream problem;
        const bool enabled = list()->isEnabled();
        const int row = list()->selectedRow();
        if (enabled != m_model.listEnabled())
            problem << "list enabled " << enabled << ", model " << m_model.listEnabled() << "; ";
        if (row != m_model.selectedRow())
            problem << "selected row " << row << ", model " << m_model.selectedRow() << "; ";
        if (shown != m_model.displayText())
            problem << "display box differs from the model; ";
        bool known = false;
        const Focus focus = actualFocus(known);
        if (!known || focus != m_model.focus())
            problem << "focus on " << (known ? focusName(focus) : "something else") << ", model "
                    << focusName(m_model.focus()) << "; ";

        const bool reportShown = shown.starts_with("Детето е излязло от кръга с: ");
        if (reportShown == enabled)
            problem << "the list must be locked exactly while a report is shown; ";
        if (reportShown && (row < 0 || shown != WindowModel::report(static_cast<Row>(row))))
            problem << "the report is not exactly the report of the selected row; ";
        return problem.str();
    }

private slots:
    void sessionMatchesTheModel()
    {
        const std::uint32_t seed = seedFromEnvironment();
        const int actions = actionCountFromEnvironment();
        qInfo("seed: %u, actions: %d (replay with ZOLINAR_SEED=%u)", seed, actions, seed);
        m_random.seed(seed);
        QApplication::setKeyboardInputInterval(1);
        m_model = WindowModel();

        m_program = std::make_unique<Program>();
        QVERIFY(zolinar::testing::showWindow(*m_program));
        QApplication::setActiveWindow(&window());
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        QCOMPARE(mismatch(), std::string());

        for (int i = 1; i <= actions; ++i) {
            const std::string what = act();
            m_history.push_back(std::to_string(i) + ": " + what);
            if (m_history.size() > 12)
                m_history.pop_front();
            const std::string problem = mismatch();
            if (!problem.empty()) {
                std::string trail;
                for (const auto& line : m_history)
                    trail += "\n  " + line;
                QFAIL(qPrintable(QStringLiteral("seed %1, after action %2: %3\nlast actions:%4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(QString::fromStdString(problem), QString::fromStdString(trail))));
            }
        }
        // No procedure failed on the way: a failure report would be due.
        QCoreApplication::processEvents();
        QVERIFY(window().findChildren<QMessageBox*>().isEmpty());
        m_program.reset();
    }
};

QTEST_MAIN(RandomSessionTest)
#include "RandomSessionTest.moc"
