#include "app/UpdateFlow.h"

#include "app/MainWindow.h"
#include "app/UpdateCheckPanel.h"
#include "app/UpdateChecker.h"
#include "core/AlertPresenter.h"
#include "core/Localization.h"

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>

UpdateFlow::UpdateFlow(MainWindow* window, QCheckBox* autoCheckSwitch, QObject* parent)
    : QObject(parent), m_window(window), m_autoCheckSwitch(autoCheckSwitch),
      m_checkPanel(new UpdateCheckPanel(window)), m_checker(new UpdateChecker(this)),
      m_openUrl([](const QUrl& url) { QDesktopServices::openUrl(url); })
{
    updateAvailability();
}

void UpdateFlow::updateAvailability()
{
    const bool available = m_checker->hasServer();
    const QString why = available ? QString()
                                  : localized("This copy of Polymetra was built without an update "
                                              "server, so it cannot check for updates.");
    QAction* check = m_window->action(MainWindow::Action::CheckForUpdates);
    check->setEnabled(available);
    check->setToolTip(why);
    check->setStatusTip(why);
    m_autoCheckSwitch->setEnabled(available);
    m_autoCheckSwitch->setToolTip(why);
}

void UpdateFlow::autoCheckForUpdates()
{
    if (!m_checker->hasServer()) {
        emit finished();
        return;
    }
    m_checker->fetch([this](std::optional<QString> remote) {
        if (remote && *remote != UpdateChecker::localVersion())
            showNewVersionSheet(*remote);
        emit finished();
    });
}

void UpdateFlow::checkForUpdates()
{
    if (!m_checker->hasServer()) {
        emit finished();
        return;
    }
    m_checkPanel->open();
    m_checker->fetch([this](std::optional<QString> remote) {
        m_checkPanel->hide();
        m_checkPanel->setResult(QDialog::Accepted);
        const QString local = UpdateChecker::localVersion();
        if (!remote) {
            AlertPresenter::instance().showSheet(
                m_window,
                {localized("Not connected to the Internet!"),
                 localized("You require an active Internet connection to be able to check for "
                           "updates."),
                 QStringLiteral("OK"), QString(), QString()});
        } else if (*remote == local) {
            AlertPresenter::instance().showSheet(
                m_window,
                {localized("Your version of Polymetra is up to date"),
                 localized("You have the most recent version of Polymetra.\rVersion %@.\rPlease "
                           "check again later.")
                     .replace(QLatin1String("%@"), local),
                 QStringLiteral("OK"), QString(), QString()});
        } else {
            showNewVersionSheet(*remote);
        }
        emit finished();
    });
}

void UpdateFlow::showNewVersionSheet(const QString& remoteVersion)
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
    AlertPresenter::instance().showSheet(m_window,
                                         {localized("A new version is available"), message,
                                          QStringLiteral("OK"), localized("Tell me more…"),
                                          localized("Later")},
                                         [this](int returnCode) { endUpdateYesSheet(returnCode); });
}

void UpdateFlow::endUpdateYesSheet(int returnCode)
{
    if (returnCode == AlertPresenter::DefaultButton)
        m_openUrl(m_checker->downloadPageUrl());
    else if (returnCode == AlertPresenter::AlternateButton)
        m_openUrl(m_checker->homePageUrl());
}
