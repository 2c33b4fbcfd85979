#include "app/AppInterface.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

bool hasDisplay()
{
    return std::getenv("QT_QPA_PLATFORM") || std::getenv("DISPLAY") ||
           std::getenv("WAYLAND_DISPLAY");
}

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

    AppInterface interface;
    QObject::connect(&application, &QApplication::aboutToQuit,
                     [&interface] { interface.applicationWillTerminate(); });
    interface.applicationDidFinishLaunching();
    return application.exec();
}
