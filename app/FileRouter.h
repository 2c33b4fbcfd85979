#pragma once

#include <QObject>

class MainWindow;
class PanelState;

// Files handed to the program (at launch, or by a second launch): a tape file ("Cone
// Tape") opens the tape panel and a metadata file ("Polymetra Cone") the info panel, each
// on its shape, and the window comes to the front.
class FileRouter : public QObject {
    Q_OBJECT
public:
    FileRouter(MainWindow* window, PanelState* panels, QObject* parent = nullptr);

    void openFile(const QString& path);

private:
    MainWindow* m_window;
    PanelState* m_panels;
};
