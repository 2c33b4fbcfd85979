#pragma once

#include "ScenarioOptions.h"

#include "support/RecordingAlertPresenter.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <memory>

class AppInterface;
class TestHome;
class MainWindow;
class Render3DView;
class ShapeCalculator;
class TemplateHome;

// One scenario run in a real main window with its own home, settings and alerts.
class ScenarioSession {
public:
    // Without a home of its own (--home) the scenario runs on a copy of `seed` when
    // there is one, else on a fresh home where the program has never run.
    explicit ScenarioSession(const ScenarioOptions& options, const TemplateHome* seed = nullptr);
    ~ScenarioSession();

    // Checks shape, outlets and steps before anything runs; returns an error or "".
    static QString validate(const ScenarioOptions& options);

    QJsonObject run();

    MainWindow& window();
    AppInterface& interface() { return *m_interface; }
    RecordingAlertPresenter& alerts() { return m_alerts; }
    ShapeCalculator* currentCalculator() const;
    // Lets queued calls (focus, end of editing) run, as the event loop would.
    static void settle();
    // Quits as the user would and starts again on the same home, settings and tapes.
    void relaunch();
    // An export a step made, listed in the report under "exports".
    void recordExport(const QJsonObject& entry) { m_exports.append(entry); }
    // A part of the report only some steps give (so other reports stay as they were).
    void recordReport(const QString& key, const QJsonValue& value) { m_extra.insert(key, value); }

private:
    void prepareHome();
    void launch();
    // Starts the program on the prepared home, as a launch from the desktop does.
    void start();
    void assignFields();
    void runStep(const QString& step);
    // Gives the plane-figure view the size asked for with --view.
    void sizeFigureView();
    // The plane-figure view's layout, in its y-up coordinates before the half-unit shift.
    QJsonObject view2d();
    // The solid view when a solid and a view size were asked for.
    Render3DView* solidView();
    static QJsonObject view3d(Render3DView& view);
    QImage screenshot();

    ScenarioOptions m_options;
    const TemplateHome* m_seed;
    QString m_seeded; // the copy of the seed, removed with the session
    std::unique_ptr<TestHome> m_home;
    RecordingAlertPresenter m_alerts;
    std::unique_ptr<AppInterface> m_interface;
    QStringList m_openedUrls; // pages the program asked the browser to show
    QJsonArray m_exports;
    QJsonObject m_extra;
};
