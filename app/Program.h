#pragma once

#include "EventGuard.h"
#include "EventProcedures.h"
#include "MainWindow.h"
#include "SurfaceGate.h"

#include <QTranslator>

#include <functional>
#include <memory>

namespace zolinar {

// The program as a whole: the one window, whose Load and Click events run
// the event procedures through the event guard. run() starts it and runs
// the event loop until the window is closed (status 0) or a failed control
// operation ended the program: the failure report then appears over the
// window as the failure left it, once the failing event has unwound, and
// closing it ends the program with failureStatus. In a page run() never
// returns, and the page is told the status (WebPage). Qt's own texts are
// Bulgarian like the window's, whatever the user's locale.
class Program final : public QObject {
    Q_OBJECT

public:
    // Puts a surface of the caller's between the procedures and the window,
    // e.g. one that makes a chosen operation fail. Without it the procedures
    // work on the window's own surface.
    using SurfaceWrapper = std::function<std::unique_ptr<ControlSurface>(ControlSurface& window)>;

    explicit Program(const SurfaceWrapper& wrapSurface = {});

    // Starts the program as it starts for a user: Load, then the window
    // shown unless Load failed. run() starts it; tests start it this way too.
    void start();
    // Starts the program and runs it to its end; returns the exit status.
    int run();

    MainWindow& window() { return m_window; }

    static constexpr int failureStatus = 1;

signals:
    // Queued: the report appears once the failing event has unwound.
    void failed(const QString& report);

private:
    void fail(const std::exception& error);
    void showReport(const QString& text);
    void translateQtTexts();

    QTranslator m_qtTexts;
    MainWindow m_window;
    std::unique_ptr<ControlSurface> m_wrappedSurface;
    EventGuard m_guard;
    SurfaceGate m_gate;
    EventProcedures m_procedures;
};

// The surface main() starts the program with, as linked: ProgramSurface.cpp
// in the program; in the tests' build, one that fails a chosen operation.
Program::SurfaceWrapper programSurface();

} // namespace zolinar
