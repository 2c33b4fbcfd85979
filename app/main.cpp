#include "app/AppInterface.h"
#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"
#include "app/StartupTrace.h"
#include "core/Localization.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"
#include "render/OpenGLWarmUp.h"
#include "render/Render3DCanvas.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

// Handles --help and --version (printing and exiting) and rejects unknown options;
// returns the files to open, as absolute paths.
QStringList filesToOpen(const QCoreApplication& application)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        localized("A geometry calculator for plane figures and solids."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        localized("files"),
        localized("Tape files (\"Cone Tape\") or shape files (\"Polymetra Cone\") to open."),
        localized("[files...]"));
    parser.process(application);
    QStringList paths;
    for (const QString& argument : parser.positionalArguments())
        paths.append(QFileInfo(argument).absoluteFilePath());
    return paths;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication::setOrganizationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationVersion(QStringLiteral(POLYMETRA_VERSION));
    if (!hasDisplay()) {
        // Help and version need no display.
        const QCoreApplication console(argc, argv);
        Translations::installChosen(UserDefaults().language());
        filesToOpen(console);
        std::fprintf(stderr, "%s\n",
                     qPrintable(localized("polymetra: no display found. Start it from a "
                                          "desktop session, or set DISPLAY (X11) or "
                                          "WAYLAND_DISPLAY.")));
        return 1;
    }
    QApplication application(argc, argv);
    // Before anything builds a text: windows, menus and the command line's help.
    Translations::installChosen(UserDefaults().language());
    StartupTrace::installIfAsked();
    QApplication::setDesktopFileName(QStringLiteral("org.polymetra.Polymetra"));
    const QStringList paths = filesToOpen(application);

    SingleInstance instance;
    if (instance.handOverOrListen(paths))
        return 0;
    // A launch that shows a solid loads the OpenGL driver while the window is built.
    OpenGLWarmUp openGLWarmUp;
    if (UserDefaults().topTab() == TopTab::Solid)
        openGLWarmUp.start(Render3DCanvas::surfaceFormat());

    AppInterface interface;
    Controller& controller = interface.controller();
    QObject::connect(&instance, &SingleInstance::filesReceived, &controller,
                     [&controller](const QStringList& received) {
                         for (const QString& path : received)
                             controller.openFile(path);
                     });
    QObject::connect(&instance, &SingleInstance::activationRequested, &controller, [&interface] {
        interface.mainWindow().raise();
        interface.mainWindow().activateWindow();
    });
    QObject::connect(&interface.mainWindow(), &MainWindow::closing, &application,
                     &QApplication::quit);
    QObject::connect(&application, &QApplication::aboutToQuit,
                     [&interface] { interface.applicationWillTerminate(); });

    interface.applicationDidFinishLaunching();
    for (const QString& path : paths)
        controller.openFile(path);
    return application.exec();
}
