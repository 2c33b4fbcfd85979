#pragma once

#include <QList>
#include <QRect>

class QWidget;

// The main window's place and size across launches: stored when the program ends and
// restored at launch, then brought onto a screen that is there now (a monitor may have
// been unplugged, or the resolution lowered, since).
class WindowPlacement {
public:
    // False when nothing usable was stored (a first run, or a damaged setting).
    static bool restore(QWidget* window);
    static void store(const QWidget* window);

    // The frame moved, and shrunk if need be, so that it lies on one of the screens'
    // available areas; a frame showing enough of its title bar on a screen stays put.
    static QRect clamped(const QRect& frame, const QList<QRect>& screens);
};
