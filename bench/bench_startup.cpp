// Start-up of the configurator to a shown window: the model, its start-up
// sequence, the Qt view of both windows, and showing the main window.
// Runs on Qt's offscreen platform unless a display is given.
#include <QApplication>
#include <QStyleFactory>
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>

#include "app/configurator.h"
#include "platform/clock.h"
#include "qt/diagram_drawings.h"
#include "qt/qt_event_loop.h"
#include "platform/scripted_host.h"
#include "qt/qt_regional.h"
#include "qt/qt_serial_port.h"
#include "qt/window_view.h"

namespace {

void StartupToShownWindow(benchmark::State& state)
{
    qt::QtEventLoop loop;
    qt::QtSerialPort port;
    platform::ScriptedHost host;  // the first start reports the missing caption file
    platform::SystemClock clock;
    qt::QtRegional regional;
    for (auto _ : state) {
        app::Configurator configurator(editor::Services{loop, port, host, clock, regional});
        qt::WindowView mainView(configurator.window().form1);
        qt::WindowView helpView(configurator.window().help);
        configurator.start();
        mainView.show();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(mainView.isVisible());
    }
}
BENCHMARK(StartupToShownWindow)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The start-up reads the logo and the caption file of the current folder.
    auto folder = std::filesystem::temp_directory_path() / "bench_startup";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(std::filesystem::path(SOURCE_DIR) / "logo.jpg", folder / "logo.jpg",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::current_path(folder);

    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(qt::WindowView::designFont());
    qt::addDiagramDrawings(qt::Drawings::shared());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
