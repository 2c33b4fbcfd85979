#include "app/Controller.h"

#include "app/AboutBox.h"
#include "app/DockIcon.h"
#include "app/FileRouter.h"
#include "app/MainWindow.h"
#include "app/PanelState.h"
#include "app/Preferences.h"
#include "app/PreferencesDialog.h"
#include "app/TapeHousekeeping.h"
#include "app/UpdateFlow.h"
#include "app/WindowPlacement.h"
#include "core/Localization.h"
#include "core/NotificationHub.h"
#include "core/TapeSaver.h"

#include <QAction>
#include <QCheckBox>
#include <QScreen>

namespace {
constexpr int firstRunVersion = 200;
} // namespace

Controller::Controller(MainWindow* mainWindow, QObject* parent)
    : QObject(parent), m_mainWindow(mainWindow), m_panels(new PanelState(mainWindow, this)),
      m_preferences(new Preferences(mainWindow, m_panels, this)),
      m_tapes(new TapeHousekeeping(mainWindow, this)),
      m_files(new FileRouter(mainWindow, m_panels, this)),
      m_updates(new UpdateFlow(mainWindow, m_preferences->dialog()->autoUpdateCheckbox(), this))
{
    using Action = MainWindow::Action;
    connect(mainWindow->action(Action::ToggleInfo), &QAction::triggered, this,
            &Controller::toggleInfoDrawer);
    connect(mainWindow->action(Action::ToggleTape), &QAction::triggered, this,
            &Controller::toggleTapeDrawer);
    connect(mainWindow->action(Action::ToggleGraphics), &QAction::triggered, this,
            &Controller::toggleGraphicsDrawer);
    connect(mainWindow->action(Action::Preferences), &QAction::triggered, this,
            &Controller::openPreferencesSheet);
    connect(mainWindow->action(Action::ClearAllTapes), &QAction::triggered, this,
            [this] { clearAllTapes(m_mainWindow); });
    connect(mainWindow->action(Action::About), &QAction::triggered, this, &Controller::showAbout);
    connect(mainWindow->action(Action::CheckForUpdates), &QAction::triggered, this,
            &Controller::checkForUpdates);
    connect(mainWindow->action(Action::Quit), &QAction::triggered, mainWindow, &MainWindow::close);
    connect(m_updates, &UpdateFlow::finished, this, &Controller::updateCheckFinished);
}

Controller::~Controller() = default;

PreferencesDialog* Controller::preferencesSheet() const
{
    return m_preferences->dialog();
}

UpdateCheckPanel* Controller::checkPanel() const
{
    return m_updates->checkPanel();
}

UpdateChecker& Controller::updateChecker()
{
    return m_updates->checker();
}

void Controller::setUrlOpener(std::function<void(const QUrl&)> opener)
{
    m_updates->setUrlOpener(std::move(opener));
}

void Controller::updateCheckAvailability()
{
    m_updates->updateAvailability();
}

void Controller::awakeFromNib()
{
    UserDefaults defaults;
    if (defaults.integerForKey(DefaultsKeys::appVersion) >= firstRunVersion)
        return;
    // On a first run the window's lower edge sits 526 points below the top of the screen.
    const QScreen* screen = m_mainWindow->screen();
    const int screenTop = screen ? screen->availableGeometry().top() : 0;
    const int height = m_mainWindow->frameGeometry().height();
    m_mainWindow->move(192, std::max(screenTop, screenTop + 526 - height));
    defaults.setInteger(DefaultsKeys::drawerWidth, PanelState::defaultDrawerWidth);
    defaults.setInteger(DefaultsKeys::appVersion, firstRunVersion);
}

void Controller::applicationDidFinishLaunching()
{
    UserDefaults defaults;
    defaults.setDecimalPlaces(defaults.decimalPlaces());
    Preferences::applyNumberFormat();

    const std::optional<TopTab> top = defaults.topTab();
    DockIcon::apply(top ? defaults.bottomTab(*top) : QString());

    m_panels->prepareStoredSizes();
    WindowPlacement::restore(m_mainWindow);
    // The stored shape is on show before the window first paints: no other shape flashes
    // up first, and a solid's OpenGL surface is made with the window rather than after it.
    emit NotificationHub::instance().changeTab();
    m_mainWindow->show();
    m_panels->restore();

    if (defaults.boolForKey(DefaultsKeys::autoCheck))
        autoCheckForUpdates();
}

void Controller::applicationWillTerminate()
{
    // Every entry is on disk before the program ends, and a failed save is still told.
    TapeSaver::instance().waitForPending();
    m_panels->store();
    WindowPlacement::store(m_mainWindow);
    UserDefaults defaults;
    if (defaults.boolForKey(DefaultsKeys::autoDeleteTapes))
        m_tapes->removeAllTapes();
    defaults.synchronize();
}

void Controller::toggleInfoDrawer()
{
    m_panels->toggleInfo();
}

void Controller::toggleTapeDrawer()
{
    m_panels->toggleTape();
}

void Controller::toggleGraphicsDrawer()
{
    m_panels->toggleGraphics();
}

void Controller::switchTapeDrawer(TapeEdge edge)
{
    m_panels->moveTape(edge);
}

void Controller::openPreferencesSheet()
{
    updateCheckAvailability();
    m_preferences->open();
}

void Controller::okPreferencesSheet()
{
    m_preferences->dialog()->accept();
}

void Controller::cancelPreferencesSheet()
{
    m_preferences->dialog()->reject();
}

void Controller::toggleFade3DGridPreference()
{
    m_preferences->setFade(m_preferences->dialog()->fade3DGridPreferenceCheckbox()->isChecked());
}

void Controller::clearAllTapes(QWidget* sender)
{
    m_tapes->clearAllTapes(sender);
}

void Controller::endClearAllTapesAlert(int returnCode)
{
    m_tapes->endClearAllTapesAlert(returnCode);
}

void Controller::openFile(const QString& path)
{
    m_files->openFile(path);
}

void Controller::showAbout()
{
    if (!m_about)
        m_about = new AboutBox(m_mainWindow);
    m_about->open();
}

void Controller::checkForUpdates()
{
    m_updates->checkForUpdates();
}

void Controller::autoCheckForUpdates()
{
    m_updates->autoCheckForUpdates();
}

void Controller::endUpdateYesSheet(int returnCode)
{
    m_updates->endUpdateYesSheet(returnCode);
}
