#include "app/Controller.h"

#include "app/MainWindow.h"
#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/NumberFormatter.h"
#include "core/SupportPaths.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QDockWidget>
#include <QLocale>

Controller::Controller(MainWindow* mainWindow, QObject* parent)
    : QObject(parent), m_mainWindow(mainWindow)
{
    connect(mainWindow, &MainWindow::clearAllTapesRequested, this,
            [this] { clearAllTapes(m_mainWindow); });
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
    NotificationCenter::defaultCenter().post(Notifications::changeTab, this);
}

void Controller::applicationWillTerminate()
{
    UserDefaults defaults;
    if (defaults.boolForKey(DefaultsKeys::autoDeleteTapes))
        removeAllTapes();
    defaults.synchronize();
}

void Controller::clearAllTapes(QWidget* sender)
{
    AlertPresenter::instance().showSheet(
        sender ? sender : m_mainWindow,
        {localized("Clear all tapes!"),
         localized("Are you aure you want to clear all tapes? This can not be undone."),
         localized("Cancel"), localized("Clear all tapes"), QString()},
        [this](int returnCode) { endClearAllTapesAlert(returnCode); });
}

void Controller::endClearAllTapesAlert(int returnCode)
{
    if (returnCode != AlertPresenter::AlternateButton)
        return;
    if (removeAllTapes())
        NotificationCenter::defaultCenter().post(Notifications::changeTab, this);
}

bool Controller::removeAllTapes()
{
    QDir tapes(SupportPaths::tapesFolder());
    if (!tapes.exists())
        return false;
    tapes.removeRecursively();
    NotificationCenter::defaultCenter().post(Notifications::writeTapeSupportFiles);
    return true;
}
