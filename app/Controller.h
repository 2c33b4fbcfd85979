#pragma once

#include <QObject>
#include <QUrl>

#include <functional>
#include <optional>

class MainWindow;
class ModalInputGuard;
class PreferencesDialog;
class UpdateCheckPanel;
class UpdateChecker;
class QDockWidget;
class QWidget;

// The application's delegate. At launch it sets up the shared number format, the window
// icon and the three panels from the stored defaults; during use it toggles the panels,
// runs the preferences and opens files handed to the program; at termination it stores
// the panels' states and sizes and clears the tapes when asked.
class Controller : public QObject {
    Q_OBJECT
public:
    explicit Controller(MainWindow* mainWindow, QObject* parent = nullptr);
    ~Controller() override;

    // Places the window on a first run.
    void awakeFromNib();
    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    // Rebuilds the process-wide number format from "DecimalPlaces" and the locale.
    static void rebuildFormat();

    PreferencesDialog* preferencesSheet() const { return m_preferences; }
    UpdateCheckPanel* checkPanel() const { return m_checkPanel; }
    UpdateChecker& updateChecker() { return *m_updateChecker; }
    // Where the browser is asked to go; tests replace it to see the URLs.
    void setUrlOpener(std::function<void(const QUrl&)> opener) { m_openUrl = std::move(opener); }
    // Enables or disables the update commands for the server that is set.
    void updateCheckAvailability();

signals:
    // Each update check has shown its outcome (or, silent, decided to show none).
    void updateCheckFinished();

public slots:
    void toggleInfoDrawer();
    void toggleTapeDrawer();
    void toggleGraphicsDrawer();
    void switchTapeDrawer(int edgeTag);
    void openPreferencesSheet();
    void okPreferencesSheet();
    void cancelPreferencesSheet();
    void toggleFade3DGridPreference();
    // Asks for confirmation on the sender's window, then clears every tape.
    void clearAllTapes(QWidget* sender = nullptr);
    void endClearAllTapesAlert(int returnCode);
    // A tape file ("Cone Tape") or metadata file ("Polymetra Cone") handed to the program.
    void openFile(const QString& path);
    void showAbout();
    void checkForUpdates();
    void autoCheckForUpdates();
    void endUpdateYesSheet(int returnCode);

private:
    static bool isOpen(QDockWidget* drawer);
    // A stored panel size: its default when unusable, never larger than the screen.
    int storedSize(const QString& key, int fallback, Qt::Orientation orientation) const;
    void openTapeAtEdge(const QString& edge);
    void closeInfoIfSharingTheLeftEdge();
    void setContentWidth(QDockWidget* drawer, int width);
    void setContentHeight(QDockWidget* drawer, int height);
    void setContentSize(QDockWidget* drawer, int size, Qt::Orientation orientation);
    // Removes the tapes folder (if any) and has the empty tapes seeded again.
    bool removeAllTapes();

    void showNewVersionSheet(const QString& remoteVersion);

    MainWindow* m_mainWindow;
    PreferencesDialog* m_preferences;
    UpdateCheckPanel* m_checkPanel;
    UpdateChecker* m_updateChecker;
    std::function<void(const QUrl&)> m_openUrl;
    ModalInputGuard* m_preferencesGuard;
};
