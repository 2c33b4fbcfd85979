#include "app/AppInterface.h"
#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/SingleInstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QFileOpenEvent>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

// Files the desktop hands over while the program runs.
class FileOpenFilter : public QObject {
public:
    explicit FileOpenFilter(Controller& controller) : m_controller(controller) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FileOpen) {
            m_controller.openFile(static_cast<QFileOpenEvent*>(event)->file());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    Controller& m_controller;
};

} // namespace

int main(int argc, char* argv[])
{
    if (!hasDisplay()) {
        std::fputs("polymetra: no display found. Start it from a desktop session, or set "
                   "DISPLAY (X11) or WAYLAND_DISPLAY.\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationVersion(QStringLiteral(POLYMETRA_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("org.polymetra.Polymetra"));

    QStringList paths;
    for (const QString& argument : QApplication::arguments().mid(1))
        paths.append(QFileInfo(argument).absoluteFilePath());

    SingleInstance instance;
    if (instance.handOverOrListen(paths))
        return 0;

    AppInterface interface;
    Controller& controller = interface.controller();
    FileOpenFilter fileOpenFilter(controller);
    application.installEventFilter(&fileOpenFilter);
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
