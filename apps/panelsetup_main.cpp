// panelsetup: the configurator of the alarm panel.
//
//   panelsetup [--port PATH] [--connect] [--tab N] [--show-help]
//              [--screenshot FILE --after SECONDS]
//
// --port adds any serial device (a pseudo-terminal included) to the port
// list and selects it; --connect presses the connect button at start;
// --tab shows that tab; --screenshot saves a picture of the main window
// after the given time (the help window too, as FILE-help.png, when it is
// shown), prints the path and ends the program.
//
//   panelsetup --port PATH --read-to FILE.cfq
//   panelsetup --port PATH --write-from FILE.cfq
//   panelsetup --save-defaults FILE.cfq
//
// Scripted backup and restore without a window: one line per step on
// standard output, exit code 0 on success (see app/batch_mode.h).
#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>
#include <QPixmap>
#include <QRegularExpression>
#include <QSerialPortInfo>
#include <QStyleFactory>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "app/batch_mode.h"
#include "app/configurator.h"
#include "platform/clock.h"
#include "qt/diagram_drawings.h"
#include "qt/qt_event_loop.h"
#include "qt/qt_host.h"
#include "qt/qt_regional.h"
#include "qt/qt_serial_port.h"
#include "qt/unhandled.h"
#include "qt/window_view.h"

namespace {

struct Options {
    QString port;
    bool connect = false;
    int tab = -1;
    QString screenshot;
    double after = 5;
    bool showHelp = false;
};

Options parseOptions(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Configurator of the GSM alarm panel");
    parser.addHelpOption();
    QCommandLineOption port("port", "Adds the serial device PATH to the port list and selects it.", "PATH");
    QCommandLineOption connect("connect", "Presses the connect button at start.");
    QCommandLineOption tab("tab", "Shows tab N (0 to 6).", "N");
    QCommandLineOption screenshot("screenshot", "Saves a picture of the window as FILE and ends.", "FILE");
    QCommandLineOption after("after", "Seconds before the picture is taken (default 5).", "SECONDS");
    QCommandLineOption showHelp("show-help", "Shows the help window as a silent cable link would.");
    parser.addOptions({port, connect, tab, screenshot, after, showHelp});
    parser.process(app);

    Options o;
    o.port = parser.value(port);
    o.connect = parser.isSet(connect);
    if (parser.isSet(tab))
        o.tab = parser.value(tab).toInt();
    o.screenshot = parser.value(screenshot);
    o.showHelp = parser.isSet(showHelp);
    if (parser.isSet(after))
        o.after = parser.value(after).toDouble();
    return o;
}

// Serial devices of the system beyond the numbered ports ("COMn:" already
// names /dev/ttyS(n-1)): USB adapters and the like.
QStringList extraSerialDevices()
{
    QStringList paths;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        QString path = info.systemLocation();
        if (path.startsWith("/dev/ttyS") || path.startsWith("COM"))
            continue;
        paths << path;
    }
    paths.sort();
    return paths;
}

bool saveGrab(QWidget& window, const QString& file)
{
    QDir().mkpath(QFileInfo(file).absolutePath());
    if (!window.grab().save(file, "PNG")) {
        std::fprintf(stderr, "panelsetup: cannot save %s\n", qPrintable(file));
        return false;
    }
    std::printf("%s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
    std::fflush(stdout);
    return true;
}

// Runs a batch request headless; the window is never shown.
int runBatch(int argc, char** argv, const app::BatchArguments& batch)
{
    QCoreApplication core(argc, argv);
    if (!batch.request) {
        std::fprintf(stderr, "panelsetup: %s\n", batch.error.c_str());
        return app::batch_exit::Usage;
    }
    qt::QtEventLoop loop;
    qt::QtSerialPort port;
    platform::SystemClock clock;
    qt::QtRegional regional;
    return app::runBatch(*batch.request, loop, port, clock, regional, std::cout, std::cerr);
}

}  // namespace

int main(int argc, char** argv)
{
    app::BatchArguments batch = app::parseBatchArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (batch.wanted())
        return runBatch(argc, argv, batch);

    QApplication app(argc, argv);
    QApplication::setApplicationName("panelsetup");
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    QApplication::setFont(qt::WindowView::designFont());
    // The program speaks Russian: so do the toolkit's own texts (the buttons
    // of message boxes, the file dialogs), where the translation is installed.
    QTranslator toolkitTexts;
    if (toolkitTexts.load("qtbase_ru", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&toolkitTexts);
    Options options = parseOptions(app);

    qt::QtEventLoop loop;
    qt::QtSerialPort port;
    qt::QtHost host;
    platform::SystemClock clock;
    qt::QtRegional regional;
    app::Configurator configurator(editor::Services{loop, port, host, clock, regional});
    editor::MainWindow& window = configurator.window();

    // The views exist before start-up runs, so that a message box of the
    // start-up already has the window behind it and the help window
    // appears whenever the model shows it.
    qt::addDiagramDrawings(qt::Drawings::shared());
    qt::WindowView mainView(window.form1);
    qt::WindowView helpView(window.help);
    bool ending = false;
    auto end = [&] {
        if (ending)
            return;
        ending = true;
        helpView.close();
        mainView.close();
        QCoreApplication::exit(0);
    };
    host.onQuit = end;
    QObject::connect(&mainView, &qt::WindowView::closedByUser, end);

    // The picture is taken whatever state the program is in by then, a
    // message box of the start-up included.
    int exitCode = 0;
    if (!options.screenshot.isEmpty()) {
        QTimer::singleShot(static_cast<int>(options.after * 1000), &mainView, [&] {
            QString stem = options.screenshot;
            stem.replace(QRegularExpression("\\.png$"), "");
            bool saved = saveGrab(mainView, stem + ".png");
            if (helpView.isVisible())
                saved = saveGrab(helpView, stem + "-help.png") && saved;
            if (QWidget* box = QApplication::activeModalWidget())
                saved = saveGrab(*box, stem + "-message.png") && saved;
            exitCode = saved ? 0 : 1;
            end();
        });
    }

    qt::guarded([&] { configurator.start(); });
    if (ending)
        return exitCode;
    for (const QString& path : extraSerialDevices())
        if (path != options.port)
            configurator.addPortChoice(path.toStdString(), false);
    if (!options.port.isEmpty())
        configurator.addPortChoice(options.port.toStdString(), true);
    if (options.tab >= 0)
        window.tabs().setCurrent(options.tab);
    window.form1.show();
    if (options.showHelp)
        window.help.show();

    if (options.connect)
        QTimer::singleShot(0, &mainView, [&] { qt::guarded([&] { window.button("Cmd(0)").userClick(); }); });

    int code = QApplication::exec();
    return exitCode != 0 ? exitCode : code;
}
