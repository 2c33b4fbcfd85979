#include "app/Controller.h"

#include "app/DockIcon.h"
#include "app/MainWindow.h"
#include "app/ModalInputGuard.h"
#include "app/PreferencesDialog.h"
#include "app/ShapeCatalog.h"
#include "app/TapePanel.h"
#include "app/UpdateCheckPanel.h"
#include "app/UpdateChecker.h"
#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDir>
#include <QDockWidget>
#include <QFileInfo>
#include <QLayout>
#include <QLocale>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTextEdit>

namespace {

const QString leftEdge = QStringLiteral("Left");
const QString bottomEdge = QStringLiteral("Bottom");
constexpr int firstRunVersion = 200;
constexpr int defaultDrawerWidth = 180;
constexpr int defaultTapeHeight = 150;
constexpr int defaultGraphicsHeight = 150;
constexpr int fadeOn = 2;
constexpr int fadeOff = 1;

// Sizes come from a settings file that may have been edited or damaged: a size that is
// not positive takes its default, and none is larger than the screen, which also keeps
// the layout arithmetic far from overflowing.
int clampedSize(int stored, int fallback, int screenExtent)
{
    return stored <= 0 ? fallback : std::min(stored, screenExtent);
}

} // namespace

Controller::Controller(MainWindow* mainWindow, QObject* parent)
    : QObject(parent), m_mainWindow(mainWindow), m_preferences(new PreferencesDialog(mainWindow)),
      m_checkPanel(new UpdateCheckPanel(mainWindow)), m_updateChecker(new UpdateChecker(this)),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      m_preferencesGuard(new ModalInputGuard(this))
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
    updateCheckAvailability();
    connect(mainWindow->action(Action::Quit), &QAction::triggered, mainWindow, &MainWindow::close);
    connect(m_preferences, &PreferencesDialog::okChosen, this, &Controller::okPreferencesSheet);
    connect(m_preferences, &PreferencesDialog::cancelChosen, this,
            &Controller::cancelPreferencesSheet);
    connect(m_preferences, &PreferencesDialog::edgeChosen, this, &Controller::switchTapeDrawer);
    connect(m_preferences, &PreferencesDialog::fadeToggled, this,
            &Controller::toggleFade3DGridPreference);
}

Controller::~Controller() = default;

bool Controller::isOpen(QDockWidget* drawer)
{
    return !drawer->isHidden();
}

int Controller::storedSize(const QString& key, int fallback, Qt::Orientation orientation) const
{
    const QScreen* screen = m_mainWindow->screen();
    const QSize extent = screen ? screen->availableGeometry().size() : QSize(4096, 4096);
    return clampedSize(UserDefaults().integerForKey(key), fallback,
                       orientation == Qt::Horizontal ? extent.width() : extent.height());
}

void Controller::setContentWidth(QDockWidget* drawer, int width)
{
    setContentSize(drawer, width, Qt::Horizontal);
}

void Controller::setContentHeight(QDockWidget* drawer, int height)
{
    setContentSize(drawer, height, Qt::Vertical);
}

void Controller::setContentSize(QDockWidget* drawer, int size, Qt::Orientation orientation)
{
    // The stored sizes are the content's; the panel adds its title bar and frame, which
    // are known only once the window is laid out, so measure and correct once.
    auto contentSize = [drawer, orientation] {
        return orientation == Qt::Horizontal ? drawer->widget()->width()
                                             : drawer->widget()->height();
    };
    auto panelSize = [drawer, orientation] {
        return orientation == Qt::Horizontal ? drawer->width() : drawer->height();
    };
    QLayout* layout = m_mainWindow->layout();
    for (int pass = 0; pass < 2; ++pass) {
        if (layout)
            layout->activate();
        const int frame = std::max(0, panelSize() - contentSize());
        m_mainWindow->resizeDocks({drawer}, {size + frame}, orientation);
        if (layout)
            layout->activate();
        if (contentSize() == size)
            break;
    }
}

void Controller::rebuildFormat()
{
    const UserDefaults defaults;
    const QString separator = QLocale().decimalPoint();
    NumberFormatter::setShared(NumberFormatter(
        defaults.decimalPlaces(), separator.isEmpty() ? QLatin1Char('.') : separator.front()));
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
    defaults.setInteger(DefaultsKeys::drawerWidth, defaultDrawerWidth);
    defaults.setInteger(DefaultsKeys::appVersion, firstRunVersion);
}

void Controller::applicationDidFinishLaunching()
{
    UserDefaults defaults;
    defaults.setString(DefaultsKeys::decimalPlaces, QString::number(defaults.decimalPlaces()));
    rebuildFormat();

    const QString top = defaults.stringForKey(DefaultsKeys::topTab);
    if (top == QLatin1String("2D"))
        DockIcon::apply(defaults.stringForKey(DefaultsKeys::bottomTab2D));
    else if (top == QLatin1String("3D"))
        DockIcon::apply(defaults.stringForKey(DefaultsKeys::bottomTab3D));
    else
        DockIcon::apply(QString());

    defaults.setInteger(
        DefaultsKeys::tapeDrawerHeight,
        storedSize(DefaultsKeys::tapeDrawerHeight, defaultTapeHeight, Qt::Vertical));
    defaults.setInteger(
        DefaultsKeys::tapeDrawerWidth,
        storedSize(DefaultsKeys::tapeDrawerWidth, defaultDrawerWidth, Qt::Horizontal));
    if (defaults.stringForKey(DefaultsKeys::tapeDrawerEdge).isEmpty())
        defaults.setString(DefaultsKeys::tapeDrawerEdge, leftEdge);

    m_mainWindow->show();

    QDockWidget* info = m_mainWindow->infoDrawer();
    if (defaults.integerForKey(DefaultsKeys::drawerState) == int(DrawerSetting::Closed)) {
        info->hide();
    } else {
        info->show();
        defaults.setInteger(DefaultsKeys::drawerState, int(DrawerSetting::Open));
    }
    setContentWidth(info,
                    storedSize(DefaultsKeys::drawerWidth, defaultDrawerWidth, Qt::Horizontal));

    if (defaults.integerForKey(DefaultsKeys::tapeDrawerState) == int(DrawerSetting::Closed)) {
        m_mainWindow->tapeDrawer()->hide();
    } else {
        openTapeAtEdge(defaults.tapeDrawerEdge());
        defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Open));
    }

    QDockWidget* graphics = m_mainWindow->graphicsDrawer();
    if (defaults.integerForKey(DefaultsKeys::graphicsDrawerState) == int(DrawerSetting::Closed)) {
        graphics->hide();
    } else {
        graphics->show();
        defaults.setInteger(DefaultsKeys::graphicsDrawerState, int(DrawerSetting::Open));
    }
    setContentHeight(graphics, storedSize(DefaultsKeys::graphicsDrawerHeight, defaultGraphicsHeight,
                                          Qt::Vertical));

    if (defaults.boolForKey(DefaultsKeys::autoCheck))
        autoCheckForUpdates();
    emit NotificationHub::instance().changeTab();
}

void Controller::applicationWillTerminate()
{
    UserDefaults defaults;
    QDockWidget* info = m_mainWindow->infoDrawer();
    QDockWidget* tape = m_mainWindow->tapeDrawer();
    QDockWidget* graphics = m_mainWindow->graphicsDrawer();
    defaults.setInteger(DefaultsKeys::drawerState,
                        int(isOpen(info) ? DrawerSetting::Open : DrawerSetting::Closed));
    if (isOpen(info))
        defaults.setInteger(DefaultsKeys::drawerWidth, info->widget()->width());
    defaults.setInteger(DefaultsKeys::tapeDrawerState,
                        int(isOpen(tape) ? DrawerSetting::Open : DrawerSetting::Closed));
    if (isOpen(tape)) {
        const bool bottom = m_mainWindow->dockWidgetArea(tape) == Qt::BottomDockWidgetArea;
        defaults.setInteger(bottom ? DefaultsKeys::tapeDrawerHeight : DefaultsKeys::tapeDrawerWidth,
                            bottom ? tape->widget()->height() : tape->widget()->width());
    }
    defaults.setInteger(DefaultsKeys::graphicsDrawerState,
                        int(isOpen(graphics) ? DrawerSetting::Open : DrawerSetting::Closed));
    if (isOpen(graphics))
        defaults.setInteger(DefaultsKeys::graphicsDrawerHeight, graphics->widget()->height());

    if (defaults.boolForKey(DefaultsKeys::autoDeleteTapes))
        removeAllTapes();
    defaults.synchronize();
}

void Controller::openTapeAtEdge(const QString& edge)
{
    QDockWidget* tape = m_mainWindow->tapeDrawer();
    const bool bottom = edge == bottomEdge;
    m_mainWindow->addDockWidget(bottom ? Qt::BottomDockWidgetArea : Qt::LeftDockWidgetArea, tape,
                                bottom ? Qt::Horizontal : Qt::Vertical);
    tape->show();
    if (bottom)
        setContentHeight(
            tape, storedSize(DefaultsKeys::tapeDrawerHeight, defaultTapeHeight, Qt::Vertical));
    else
        setContentWidth(
            tape, storedSize(DefaultsKeys::tapeDrawerWidth, defaultDrawerWidth, Qt::Horizontal));
}

void Controller::closeInfoIfSharingTheLeftEdge()
{
    QDockWidget* info = m_mainWindow->infoDrawer();
    if (isOpen(info)) {
        info->hide();
        UserDefaults().setInteger(DefaultsKeys::drawerState, int(DrawerSetting::Closed));
    }
}

void Controller::toggleInfoDrawer()
{
    UserDefaults defaults;
    QDockWidget* info = m_mainWindow->infoDrawer();
    if (isOpen(info)) {
        info->hide();
        defaults.setInteger(DefaultsKeys::drawerState, int(DrawerSetting::Closed));
        return;
    }
    info->show();
    QDockWidget* tape = m_mainWindow->tapeDrawer();
    // The info panel and a left tape never share the left edge.
    if (isOpen(tape) && m_mainWindow->dockWidgetArea(tape) == Qt::LeftDockWidgetArea) {
        defaults.setInteger(DefaultsKeys::tapeDrawerWidth, tape->widget()->width());
        tape->hide();
        defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Closed));
    }
    defaults.setInteger(DefaultsKeys::drawerState, int(DrawerSetting::Open));
}

void Controller::toggleTapeDrawer()
{
    UserDefaults defaults;
    QDockWidget* tape = m_mainWindow->tapeDrawer();
    if (isOpen(tape)) {
        if (m_mainWindow->dockWidgetArea(tape) == Qt::LeftDockWidgetArea)
            defaults.setInteger(DefaultsKeys::tapeDrawerWidth, tape->widget()->width());
        tape->hide();
        // 0 until termination: no tape entries while the user keeps the tape closed.
        defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Missing));
        return;
    }
    const QString edge = defaults.tapeDrawerEdge();
    openTapeAtEdge(edge);
    defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Open));
    if (edge == leftEdge)
        closeInfoIfSharingTheLeftEdge();
}

void Controller::toggleGraphicsDrawer()
{
    QDockWidget* graphics = m_mainWindow->graphicsDrawer();
    const bool open = isOpen(graphics);
    graphics->setVisible(!open);
    UserDefaults().setInteger(DefaultsKeys::graphicsDrawerState,
                              int(open ? DrawerSetting::Closed : DrawerSetting::Open));
    emit NotificationHub::instance().calculateAndDraw3DFigures();
}

void Controller::switchTapeDrawer(int edgeTag)
{
    UserDefaults defaults;
    QDockWidget* tape = m_mainWindow->tapeDrawer();
    if (isOpen(tape)) {
        tape->hide();
        defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Missing));
    }
    const QString edge = edgeTag == PreferencesDialog::BottomEdge ? bottomEdge : leftEdge;
    defaults.setString(DefaultsKeys::tapeDrawerEdge, edge);
    openTapeAtEdge(edge);
    m_mainWindow->tapeTextView()->moveCursor(QTextCursor::End);
    m_mainWindow->tapeTextView()->ensureCursorVisible();
    defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Open));
    if (edge == leftEdge)
        closeInfoIfSharingTheLeftEdge();
}

void Controller::openPreferencesSheet()
{
    UserDefaults defaults;
    const QString places = defaults.stringForKey(DefaultsKeys::decimalPlaces);
    m_preferences->decimalPlacesTextField()->setText(places);
    m_preferences->decimalPlacesStepper()->setValue(places.toInt());
    m_preferences->selectEdge(defaults.tapeDrawerEdge() == bottomEdge
                                  ? PreferencesDialog::BottomEdge
                                  : PreferencesDialog::LeftEdge);
    m_preferences->autoClearTapesCheckbox()->setChecked(
        defaults.boolForKey(DefaultsKeys::autoDeleteTapes));
    m_preferences->autoUpdateCheckbox()->setChecked(defaults.boolForKey(DefaultsKeys::autoCheck));
    updateCheckAvailability();
    const int fade = defaults.integerForKey(DefaultsKeys::fade3DGridPreference);
    if (fade == 0)
        defaults.setInteger(DefaultsKeys::fade3DGridPreference, fadeOn);
    m_preferences->fade3DGridPreferenceCheckbox()->setChecked(fade != fadeOff);
    m_preferences->open();
    m_preferencesGuard->guard(m_mainWindow, m_preferences);
}

void Controller::okPreferencesSheet()
{
    UserDefaults defaults;
    const QString places = m_preferences->decimalPlacesTextField()->text();
    defaults.setString(DefaultsKeys::decimalPlaces,
                       places.isEmpty() ? QStringLiteral("0") : places);
    rebuildFormat();
    defaults.setBool(DefaultsKeys::autoCheck, m_preferences->autoUpdateCheckbox()->isChecked());
    defaults.setBool(DefaultsKeys::autoDeleteTapes,
                     m_preferences->autoClearTapesCheckbox()->isChecked());
    m_preferences->hide();
    m_preferences->setResult(QDialog::Accepted);
    m_preferencesGuard->release();
}

void Controller::cancelPreferencesSheet()
{
    m_preferences->hide();
    m_preferences->setResult(QDialog::Rejected);
    m_preferencesGuard->release();
}

void Controller::toggleFade3DGridPreference()
{
    UserDefaults().setInteger(DefaultsKeys::fade3DGridPreference,
                              m_preferences->fade3DGridPreferenceCheckbox()->isChecked() ? fadeOn
                                                                                         : fadeOff);
    emit NotificationHub::instance().calculateAndDraw3DFigures();
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
        emit NotificationHub::instance().changeTab();
}

bool Controller::removeAllTapes()
{
    QDir tapes(SupportPaths::tapesFolder());
    if (!tapes.exists())
        return false;
    // The shapes' tapes go; anything else kept there (an unreadable tape moved aside for
    // the user to rescue) stays, and the folder goes only when nothing else is left.
    QStringList kept;
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        const QString path = SupportPaths::tapeFilePath(localized(shape.name));
        const QFileInfo info(path);
        if ((info.exists() || info.isSymLink()) && !QFile::remove(path))
            kept.append(path);
    }
    tapes.rmdir(tapes.path());
    if (!kept.isEmpty())
        Notices::instance().report(
            lcFiles(), localized("These tapes could not be removed and are kept as they are: %1.")
                           .arg(kept.join(QStringLiteral(", "))));
    emit NotificationHub::instance().writeTapeSupportFiles();
    return true;
}

void Controller::openFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const QString product = QStringLiteral("Polymetra");
    if (name == product)
        return;
    UserDefaults defaults;
    QString shape;
    if (name.startsWith(product + QLatin1Char(' '))) {
        shape = name.mid(product.size() + 1);
        m_mainWindow->infoDrawer()->show();
        defaults.setInteger(DefaultsKeys::drawerState, int(DrawerSetting::Open));
    } else {
        const QString suffix = QLatin1Char(' ') + localized("Tape");
        shape = name.endsWith(suffix) ? name.left(name.size() - suffix.size()) : name;
        openTapeAtEdge(defaults.tapeDrawerEdge());
        defaults.setInteger(DefaultsKeys::tapeDrawerState, int(DrawerSetting::Open));
    }
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (shape != localized(entry.name))
            continue;
        const bool plane = entry.dimension == ShapeCalculator::Dimension::Plane;
        defaults.setString(plane ? DefaultsKeys::bottomTab2D : DefaultsKeys::bottomTab3D,
                           QString::fromLatin1(entry.name));
        defaults.setString(DefaultsKeys::topTab,
                           plane ? QStringLiteral("2D") : QStringLiteral("3D"));
        break;
    }
    defaults.synchronize();
    emit NotificationHub::instance().changeTab();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
}

void Controller::showAbout()
{
    AlertPresenter::instance().showSheet(
        m_mainWindow,
        {localized("About Polymetra"),
         localized("Polymetra %1\rA geometry calculator for plane figures and solids.")
             .arg(QStringLiteral(POLYMETRA_VERSION)),
         localized("OK"), QString(), QString()});
}

void Controller::updateCheckAvailability()
{
    const bool available = m_updateChecker->hasServer();
    const QString why = available ? QString()
                                  : localized("This copy of Polymetra was built without an update "
                                              "server, so it cannot check for updates.");
    QAction* check = m_mainWindow->action(MainWindow::Action::CheckForUpdates);
    check->setEnabled(available);
    check->setToolTip(why);
    m_preferences->autoUpdateCheckbox()->setEnabled(available);
    m_preferences->autoUpdateCheckbox()->setToolTip(why);
}

void Controller::autoCheckForUpdates()
{
    if (!m_updateChecker->hasServer()) {
        emit updateCheckFinished();
        return;
    }
    m_updateChecker->fetch([this](std::optional<QString> remote) {
        if (remote && *remote != UpdateChecker::localVersion())
            showNewVersionSheet(*remote);
        emit updateCheckFinished();
    });
}

void Controller::checkForUpdates()
{
    if (!m_updateChecker->hasServer()) {
        emit updateCheckFinished();
        return;
    }
    m_checkPanel->open();
    m_updateChecker->fetch([this](std::optional<QString> remote) {
        m_checkPanel->hide();
        m_checkPanel->setResult(QDialog::Accepted);
        const QString local = UpdateChecker::localVersion();
        if (!remote) {
            AlertPresenter::instance().showSheet(
                m_mainWindow,
                {localized("Not connected to the Internet!"),
                 localized("You require an active Internet connection to be able to check for "
                           "updates."),
                 QStringLiteral("OK"), QString(), QString()});
        } else if (*remote == local) {
            AlertPresenter::instance().showSheet(
                m_mainWindow,
                {localized("Your version of Polymetra is up to date"),
                 localized("You have the most recent version of Polymetra.\rVersion %@.\rPlease "
                           "check again later.")
                     .replace(QLatin1String("%@"), local),
                 QStringLiteral("OK"), QString(), QString()});
        } else {
            showNewVersionSheet(*remote);
        }
        emit updateCheckFinished();
    });
}

void Controller::showNewVersionSheet(const QString& remoteVersion)
{
    QString message = localized("A new version %@ of Polymetra is available.\rYou are currently "
                                "running version %@.\rWould you like to download the new version "
                                "now?");
    // Filled in order: the remote version first, then the local one.
    const qsizetype first = message.indexOf(QLatin1String("%@"));
    if (first >= 0)
        message.replace(first, 2, remoteVersion);
    const qsizetype second =
        message.indexOf(QLatin1String("%@"), first < 0 ? 0 : first + remoteVersion.size());
    if (second >= 0)
        message.replace(second, 2, UpdateChecker::localVersion());
    AlertPresenter::instance().showSheet(m_mainWindow,
                                         {localized("A new version is available"), message,
                                          QStringLiteral("OK"), localized("Tell me more…"),
                                          localized("Later")},
                                         [this](int returnCode) { endUpdateYesSheet(returnCode); });
}

void Controller::endUpdateYesSheet(int returnCode)
{
    if (returnCode == AlertPresenter::DefaultButton)
        m_openUrl(m_updateChecker->downloadPageUrl());
    else if (returnCode == AlertPresenter::AlternateButton)
        m_openUrl(m_updateChecker->homePageUrl());
}
