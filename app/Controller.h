#pragma once

#include <QObject>

class MainWindow;
class QWidget;

// The application's delegate: sets up the shared formatting state at launch, keeps the
// stored settings in step with the window, clears tapes on request and at quit.
class Controller : public QObject {
    Q_OBJECT
public:
    explicit Controller(MainWindow* mainWindow, QObject* parent = nullptr);

    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    // Rebuilds the process-wide number format from "DecimalPlaces" and the locale.
    static void rebuildFormat();

public slots:
    // Asks for confirmation on the sender's window, then clears every tape.
    void clearAllTapes(QWidget* sender = nullptr);
    void endClearAllTapesAlert(int returnCode);

private:
    // Removes the tapes folder (if any) and has the empty tapes seeded again.
    bool removeAllTapes();

    MainWindow* m_mainWindow;
};
