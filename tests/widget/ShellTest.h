#pragma once

#include "support/TestHome.h"

#include "app/AppInterface.h"
#include "core/RecordingAlertPresenter.h"

#include <QObject>

#include <memory>

class MyTabView;

// The base of the shell's tests: before each test the whole program launches on a home
// of its own, its alerts recorded instead of shown; after it, all of it goes.
class ShellTest : public QObject {
    Q_OBJECT
protected:
    // Launches as from the desktop; false if the window never showed.
    bool launch();
    // Quits as the user would: the panels and settings stored, the program gone.
    void quit();
    bool relaunch()
    {
        quit();
        return launch();
    }
    // Runs after each launch of init(), for a test's own set-up.
    virtual void launched() {}

    // Drops the program without quitting, onto a fresh home (QDir::homePath()) where
    // nothing has run yet.
    void startOverOnNewHome();

    MainWindow& window() { return m_interface->mainWindow(); }
    Controller& controller() { return m_interface->controller(); }
    RecordingAlertPresenter& alerts() { return m_alerts; }
    // A click on the tab with the identifier, as a person makes it.
    static void clickTab(MyTabView* view, const QString& identifier);
    // Clears the shape's calculator, puts in the values ("radiusTextField=2") and clicks
    // Calculate.
    void calculate(const QString& shape, const QStringList& assignments);
    static QByteArray bytes(const QString& path);
    // How often the notification was posted so far.
    static int posts(const QString& name);

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<TestHome> m_home;
    RecordingAlertPresenter m_alerts;
    std::unique_ptr<AppInterface> m_interface;
};
