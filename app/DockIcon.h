#pragma once

#include <QIcon>
#include <QString>

// The application icon with the picture of a shape painted over it, so the window and
// task bar show which shape is on display.
class DockIcon {
public:
    static QIcon plainIcon();
    // The icon with the shape's picture; the plain icon for an unknown shape.
    static QIcon forShape(const QString& shapeName);
    static void apply(const QString& shapeName);
};
