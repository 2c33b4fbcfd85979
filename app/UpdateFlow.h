#pragma once

#include <QObject>
#include <QUrl>

#include <functional>

class MainWindow;
class QCheckBox;
class UpdateCheckPanel;
class UpdateChecker;

// The update check as the user meets it: the manual check shows a panel while it runs
// and a sheet for every outcome; the silent check at launch speaks only of a new
// version. The new-version sheet's buttons open the download or the home page.
class UpdateFlow : public QObject {
    Q_OBJECT
public:
    // `autoCheckSwitch` is the preferences' switch, enabled only with a server.
    UpdateFlow(MainWindow* window, QCheckBox* autoCheckSwitch, QObject* parent = nullptr);

    UpdateCheckPanel* checkPanel() const { return m_checkPanel; }
    UpdateChecker& checker() { return *m_checker; }
    // Where the browser is asked to go; tests replace it to see the URLs.
    void setUrlOpener(std::function<void(const QUrl&)> opener) { m_openUrl = std::move(opener); }
    // Enables or disables the update commands for the server that is set.
    void updateAvailability();

    void checkForUpdates();
    void autoCheckForUpdates();
    void endUpdateYesSheet(int returnCode);

signals:
    // Each check has shown its outcome (or, silent, decided to show none).
    void finished();

private:
    void showNewVersionSheet(const QString& remoteVersion);

    MainWindow* m_window;
    QCheckBox* m_autoCheckSwitch;
    UpdateCheckPanel* m_checkPanel;
    UpdateChecker* m_checker;
    std::function<void(const QUrl&)> m_openUrl;
};
