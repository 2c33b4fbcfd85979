#pragma once

#include "support/RecordingAlertPresenter.h"
#include "support/TestHome.h"

#include <QString>
#include <QStringList>

#include <memory>

class AppInterface;
class Controller;
class MainWindow;
class MyTabView;
class ShapeCalculator;
class TextField;

// The application as a widget test drives it: launched in a temporary home of its own,
// its window shown, with alerts and beeps recorded instead of shown.
class AppFixture {
public:
    AppFixture();
    ~AppFixture();

    // Drops the running application without terminating it, as a crash would, and
    // launches a new one.
    void launch();
    // Terminates the running application, then launches a new one.
    void relaunch();
    // Terminates the running application and drops it; launch() starts the next.
    void terminate();
    // Drops the running application without terminating it and moves to a fresh home;
    // launch() starts the next.
    void moveToNewHome();

    const TestHome& home() const { return *m_home; }
    AppInterface& app() { return *m_app; }
    MainWindow& window();
    Controller& controller();
    RecordingAlertPresenter& alerts() { return m_alerts; }
    QString tapeText();

    // Selects the shape and lets the window follow.
    ShapeCalculator* show(const QString& shape);
    // Clears the shape's calculator, shown or not, enters each "outlet=text" and clicks
    // Calculate.
    ShapeCalculator* calculate(const QString& shape, const QStringList& assignments);

    // Shows the shape with `separator` as the decimal separator and types each
    // "outlet=text" into its fields.
    ShapeCalculator* enter(const QString& shape, const QStringList& entries,
                           const QString& separator = QStringLiteral("."));
    // The tape's lines after the date line; a given value's line starts with "*".
    QStringList tapeLines();
    static QStringList fieldTexts(const ShapeCalculator* calculator);

    // Types over the field's text, as the user would.
    static void type(TextField* field, const QString& text);
    static void clickTab(MyTabView* view, const QString& identifier);

private:
    std::unique_ptr<TestHome> m_home;
    RecordingAlertPresenter m_alerts;
    std::unique_ptr<AppInterface> m_app;
};
