#pragma once

#include "core/UserDefaults.h"

#include <QObject>
#include <QUrl>

#include <functional>

class AboutBox;
class FileRouter;
class MainWindow;
class PanelState;
class Preferences;
class PreferencesDialog;
class TapeHousekeeping;
class UpdateCheckPanel;
class UpdateChecker;
class UpdateFlow;
class QWidget;

// The application's delegate: launch and termination, and the menus' commands, each
// handed to the part that keeps it (the panels, the preferences, the tapes, opened files,
// the update check).
class Controller : public QObject {
    Q_OBJECT
public:
    explicit Controller(MainWindow* mainWindow, QObject* parent = nullptr);
    ~Controller() override;

    // Places the window on a first run.
    void awakeFromNib();
    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    PreferencesDialog* preferencesSheet() const;
    UpdateCheckPanel* checkPanel() const;
    UpdateChecker& updateChecker();
    // Where the browser is asked to go; tests replace it to see the URLs.
    void setUrlOpener(std::function<void(const QUrl&)> opener);
    // Enables or disables the update commands for the server that is set.
    void updateCheckAvailability();

signals:
    // Each update check has shown its outcome (or, silent, decided to show none).
    void updateCheckFinished();

public slots:
    void toggleInfoDrawer();
    void toggleTapeDrawer();
    void toggleGraphicsDrawer();
    void switchTapeDrawer(TapeEdge edge);
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
    MainWindow* m_mainWindow;
    PanelState* m_panels;
    Preferences* m_preferences;
    TapeHousekeeping* m_tapes;
    FileRouter* m_files;
    UpdateFlow* m_updates;
    AboutBox* m_about = nullptr;
};
