#include "Program.h"

#include "RuntimeError.h"
#include "WindowTexts.h"

#include <QApplication>
#include <QMessageBox>

namespace zolinar {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string_view operationText(Operation operation)
{
    switch (operation) {
    case Operation::Read: return readOperationText;
    case Operation::Write: return writeOperationText;
    }
    return {};
}

std::string_view statusText(Status status)
{
    switch (status) {
    case Status::Ok: return {};
    case Status::UnknownElement: return unknownElementText;
    case Status::UnsupportedProperty: return unsupportedPropertyText;
    case Status::RowOutOfRange: return rowOutOfRangeText;
    case Status::ControlFailed: return controlFailedText;
    }
    return {};
}

QString reportText(const std::exception& error)
{
    const auto* runtimeError = dynamic_cast<const RuntimeError*>(&error);
    if (!runtimeError)
        return fromUtf8(unexpectedFailureText).arg(QString::fromLocal8Bit(error.what()));
    const auto code = static_cast<std::int32_t>(runtimeError->status());
    return fromUtf8(failureReportText)
        .arg(QString::fromStdString(elementName(runtimeError->element())),
            fromUtf8(propertyName(runtimeError->property())),
            fromUtf8(operationText(runtimeError->operation())),
            QStringLiteral("%1 (%2)").arg(code).arg(fromUtf8(statusText(runtimeError->status()))));
}

} // namespace

Program::Program(const SurfaceWrapper& wrapSurface)
    : m_wrappedSurface(wrapSurface ? wrapSurface(m_window.surface()) : nullptr)
    , m_gate(m_wrappedSurface ? *m_wrappedSurface : m_window.surface())
    , m_procedures(m_gate)
    , m_guard(
          [this](const std::exception& error) {
              m_gate.close();
              report(&m_window, error);
          },
          [this](int status) {
              // Before the loop runs, run() sees hasEnded() after Load.
              if (m_looping)
                  QCoreApplication::exit(status);
          })
{
    m_window.setHandlers({
        .load = [this] { m_guard.run([this] { m_procedures.Form_Load(); }); },
        .listClick = [this](std::int16_t index) { m_guard.run([this, index] { m_procedures.List1_Click(index); }); },
        .commandClick = [this](std::int16_t index) { m_guard.run([this, index] { m_procedures.Command1_Click(index); }); },
    });
}

int Program::run()
{
    m_window.load();
    if (m_guard.hasEnded())
        return m_guard.exitStatus();
    m_window.show();
    m_looping = true;
    const int status = QApplication::exec();
    m_looping = false;
    return m_guard.hasEnded() ? m_guard.exitStatus() : status;
}

void Program::report(QWidget* parent, const std::exception& error)
{
    QMessageBox box(QMessageBox::Critical, fromUtf8(failureReportTitle), reportText(error), QMessageBox::Ok, parent);
    box.setObjectName(QStringLiteral("failureReport"));
    box.exec();
}

} // namespace zolinar
