#pragma once

#include <QObject>

class MainWindow;
class PanelState;

// Files handed to the program (at launch, or by a second launch): one of the user's own
// tape files ("Cone Tape") opens the tape panel and a metadata file ("Polymetra Cone") the
// info panel, each on its shape, and the window comes to the front. Any other tape file is
// shown read-only in a window of its own.
class FileRouter : public QObject {
    Q_OBJECT
public:
    FileRouter(MainWindow* window, PanelState* panels, QObject* parent = nullptr);

    void openFile(const QString& path);

private:
    void showForeignTape(const QString& path);

    MainWindow* m_window;
    PanelState* m_panels;
};
