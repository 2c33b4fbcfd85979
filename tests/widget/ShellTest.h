#pragma once

#include "support/AppFixture.h"

#include <QObject>

#include <memory>

class MyTabView;

// The base of the shell's tests: before each test the whole program launches on a home
// of its own (an AppFixture), its alerts recorded instead of shown; after it, all of it
// goes.
class ShellTest : public QObject {
    Q_OBJECT
protected:
    // Launches as from the desktop; false if the window never showed.
    bool launch();
    // Quits as the user would: the panels and settings stored, the program gone.
    void quit() { m_app->terminate(); }
    bool relaunch()
    {
        quit();
        return launch();
    }
    // Runs after each launch of init(), for a test's own set-up.
    virtual void launched() {}

    // Drops the program without quitting, onto a fresh home where nothing has run yet.
    void startOverOnNewHome() { m_app->moveToNewHome(); }

    AppFixture& app() { return *m_app; }
    MainWindow& window() { return m_app->window(); }
    Controller& controller() { return m_app->controller(); }
    RecordingAlertPresenter& alerts() { return m_app->alerts(); }
    static void clickTab(MyTabView* v, const QString& id) { AppFixture::clickTab(v, id); }
    void calculate(const QString& shape, const QStringList& v) { m_app->calculate(shape, v); }
    static QByteArray bytes(const QString& path);

private slots:
    void init();
    void cleanup();

private:
    std::unique_ptr<AppFixture> m_app;
};
