#pragma once

#include "core/UserDefaults.h"

#include <QObject>

class MainWindow;
class QDockWidget;

// The window's three panels: which are open, their sizes and the tape's edge, kept in the
// defaults as they change and at termination. The info panel and a tape at the left edge
// never share that edge: opening either by its toggle closes the other.
class PanelState : public QObject {
    Q_OBJECT
public:
    static constexpr int defaultDrawerWidth = 180;
    static constexpr int defaultTapeHeight = 150;
    static constexpr int defaultGraphicsHeight = 150;
    // Below this a panel shows too little to be of use.
    static constexpr int minimumUsableSize = 120;

    explicit PanelState(MainWindow* window, QObject* parent = nullptr);

    // Before the window shows: the tape's stored sizes made usable, a missing edge set.
    void prepareStoredSizes();
    // Once the window shows: each panel open or closed as stored, at its stored size.
    void restore();
    // At termination: each panel's state, and the sizes of those that are open.
    void store();

    void toggleInfo();
    void toggleTape();
    void toggleGraphics();
    // Opens the tape at the edge, which is stored for later launches.
    void moveTape(TapeEdge edge);
    // For a file handed to the program: the panel opens, the others stay as they are.
    void openInfo();
    void openTape();

    // Sizes come from a settings file that may have been edited or damaged: one that is
    // not positive takes its default, and none is larger than the screen, which also
    // keeps the layout arithmetic far from overflowing.
    static int clampedSize(int stored, int fallback, int screenExtent);

private:
    static bool isOpen(const QDockWidget* drawer);
    bool tapeIsAtLeft() const;
    int storedSize(const QString& key, int fallback, Qt::Orientation orientation) const;
    void openTapeAtEdge(TapeEdge edge);
    void closeInfoIfSharingTheLeftEdge();
    void setContentSize(QDockWidget* drawer, int size, Qt::Orientation orientation);

    MainWindow* m_window;
};
