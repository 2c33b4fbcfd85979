#include "app/Controller.h"

#include "app/MainWindow.h"
#include "core/NumberFormatter.h"
#include "core/UserDefaults.h"

#include <QDockWidget>
#include <QLocale>

Controller::Controller(MainWindow* mainWindow, QObject* parent)
    : QObject(parent), m_mainWindow(mainWindow)
{
}

void Controller::rebuildFormat()
{
    const UserDefaults defaults;
    const QString separator = QLocale().decimalPoint();
    NumberFormatter::setShared(NumberFormatter(
        defaults.decimalPlaces(), separator.isEmpty() ? QLatin1Char('.') : separator.front()));
}

void Controller::applicationDidFinishLaunching()
{
    UserDefaults defaults;
    defaults.setString(DefaultsKeys::decimalPlaces, QString::number(defaults.decimalPlaces()));
    rebuildFormat();

    m_mainWindow->show();
    m_mainWindow->tapeDrawer()->show();
    defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Open));
    m_mainWindow->awakeFromNib();
}
