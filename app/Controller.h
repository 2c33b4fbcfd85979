#pragma once

#include <QObject>

class MainWindow;

// The application's delegate: sets up the shared formatting state at launch and keeps
// the stored settings in step with the window.
class Controller : public QObject {
    Q_OBJECT
public:
    explicit Controller(MainWindow* mainWindow, QObject* parent = nullptr);

    void applicationDidFinishLaunching();

    // Rebuilds the process-wide number format from "DecimalPlaces" and the locale.
    static void rebuildFormat();

private:
    MainWindow* m_mainWindow;
};
