#include "Program.h"

#include "RuntimeError.h"
#include "WindowTexts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QMessageBox>

#ifdef Q_OS_WASM
#include "WebAccessibility.h"
#include "WebPage.h"
#endif

namespace zolinar {

namespace {

QString reportText(const std::exception& error)
{
    const QString description = dynamic_cast<const RuntimeError*>(&error)
        ? QString::fromUtf8(error.what())
        : QString::fromUtf8(unexpectedFailureText).arg(QString::fromLocal8Bit(error.what()));
    return QString::fromUtf8(failureReportText).arg(description);
}

// Ends the event loop, and with it the program, with status.
void endProgram(int status)
{
#ifdef Q_OS_WASM
    WebPage::end(status);
#else
    QCoreApplication::exit(status);
#endif
}

} // namespace

Program::Program(const SurfaceWrapper& wrapSurface)
    : m_wrappedSurface(wrapSurface ? wrapSurface(m_window.surface()) : nullptr)
    , m_guard([this](const std::exception& error) { fail(error); })
    , m_gate(m_wrappedSurface ? *m_wrappedSurface : m_window.surface(), m_guard)
    , m_procedures(m_gate)
{
    translateQtTexts();
    connect(&m_window, &MainWindow::listClick, &m_window, [this](std::int16_t index) {
        m_guard.run([this, index] { m_procedures.List1_Click(index); });
    });
    connect(&m_window, &MainWindow::commandClick, &m_window, [this](std::int16_t index) {
        m_guard.run([this, index] { m_procedures.Command1_Click(index); });
    });
    connect(this, &Program::failed, this, &Program::showReport, Qt::QueuedConnection);
#ifdef Q_OS_WASM
    // In a page the event loop never returns to run(): closing the last
    // window ends the program here.
    connect(qApp, &QGuiApplication::lastWindowClosed, this, [this] { endProgram(m_guard.hasFailed() ? failureStatus : 0); });
#endif
}

void Program::start()
{
#ifdef Q_OS_WASM
    // Every window, the report after a failed Load too, for screen readers.
    WebAccessibility::start();
#endif
    m_guard.run([this] { m_procedures.Form_Load(); });
    // After a failed Load there is no window to show; the event loop then
    // only carries the report. The window shows as it was made, 461 x 345,
    // also where a program's window would otherwise fill the screen (a page).
    if (m_guard.hasFailed())
        return;
#ifdef Q_OS_WASM
    WebPage::present(m_window);
#endif
    m_window.showNormal();
}

int Program::run()
{
    start();
    const int status = QApplication::exec();
    return m_guard.hasFailed() ? failureStatus : status;
}

void Program::fail(const std::exception& error)
{
    // A procedure may still be on the stack below the failed one; the gate,
    // closed now that the guard has seen a failure, stops it at its next
    // step. The report waits until the failing event has unwound (the
    // connection is queued): a modal window must not open inside a list's own
    // mouse or key handling, and by then the window shows every step done
    // before the failure.
    emit failed(reportText(error));
}

void Program::showReport(const QString& text)
{
    auto* box = new QMessageBox(QMessageBox::Critical, QString::fromUtf8(failureReportTitle), text, QMessageBox::Ok, &m_window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    connect(box, &QDialog::finished, box, [] { endProgram(failureStatus); });
    box->show();
}

void Program::translateQtTexts()
{
    // The Windows and web builds carry the translation in their resources;
    // on Linux it comes with Qt's translations package. Without it Qt's
    // texts stay English and the program works on.
    const QLocale bulgarian(QLocale::Bulgarian, QLocale::Bulgaria);
    const QString qtTranslations = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : { QStringLiteral(":/i18n"), qtTranslations }) {
        if (m_qtTexts.load(bulgarian, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&m_qtTexts);
            return;
        }
    }
}

} // namespace zolinar
