// In-process figures of the real window on the offscreen platform: creating
// it (with Load), and one choice-and-clear cycle through the Qt control
// surface with the event procedures, as a click and Clear would run them.

#include "EventProcedures.h"
#include "MainWindow.h"

#include <QApplication>
#include <QPushButton>

#include <benchmark/benchmark.h>

namespace {

void windowCreation(benchmark::State& state)
{
    for (auto _ : state) {
        zolinar::MainWindow window;
        zolinar::EventProcedures procedures(window.surface());
        procedures.Form_Load();
        benchmark::DoNotOptimize(&window);
    }
}
BENCHMARK(windowCreation)->Unit(benchmark::kMicrosecond);

void choiceAndClear(benchmark::State& state)
{
    zolinar::MainWindow window;
    zolinar::EventProcedures procedures(window.surface());
    QObject::connect(&window, &zolinar::MainWindow::listClick, &window, [&](std::int16_t index) { procedures.List1_Click(index); });
    QObject::connect(&window, &zolinar::MainWindow::commandClick, &window, [&](std::int16_t index) { procedures.Command1_Click(index); });
    procedures.Form_Load();
    window.show();
    auto* clear = window.findChild<QPushButton*>(QStringLiteral("Command1_0"));
    zolinar::Row row = 0;
    for (auto _ : state) {
        // The selection write raises Click, which writes the report.
        if (failed(window.surface().writeListIndex(zolinar::objectList, row)))
            state.SkipWithError("the selection could not be written");
        clear->click();
        row = static_cast<zolinar::Row>((row + 1) % zolinar::catalogueRowCount);
    }
}
BENCHMARK(choiceAndClear)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
