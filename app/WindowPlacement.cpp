#include "app/WindowPlacement.h"

#include "core/UserDefaults.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {
// A stored geometry is a few dozen bytes; anything much larger is not ours.
constexpr qsizetype maxStoredLength = 4096;
// How much of the title bar must be on a screen for the user to grab it.
constexpr int graspWidth = 120;
constexpr int graspHeight = 24;

QList<QRect> availableScreens()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}
} // namespace

QRect WindowPlacement::clamped(const QRect& frame, const QList<QRect>& screens)
{
    if (screens.isEmpty() || !frame.isValid())
        return frame;
    const QRect titleBar(frame.topLeft(), QSize(frame.width(), graspHeight));
    for (const QRect& screen : screens) {
        const QRect seen = screen.intersected(titleBar);
        if (seen.width() >= std::min(graspWidth, frame.width()) &&
            seen.height() >= graspHeight / 2 && frame.width() <= screen.width() &&
            frame.height() <= screen.height())
            return frame;
    }
    // Onto the screen that holds most of the frame, else the nearest.
    const auto distance = [&frame](const QRect& screen) {
        const QPoint d = screen.center() - frame.center();
        return qint64(d.x()) * d.x() + qint64(d.y()) * d.y();
    };
    QRect target = screens.front();
    qint64 best = 0;
    for (const QRect& screen : screens) {
        const QRect overlap = screen.intersected(frame);
        const qint64 area = qint64(overlap.width()) * overlap.height();
        if (area > best || (best == 0 && distance(screen) < distance(target))) {
            best = area;
            target = screen;
        }
    }
    QRect placed(frame.topLeft(), frame.size().boundedTo(target.size()));
    placed.moveLeft(std::clamp(placed.left(), target.left(), target.right() - placed.width() + 1));
    placed.moveTop(std::clamp(placed.top(), target.top(), target.bottom() - placed.height() + 1));
    return placed;
}

bool WindowPlacement::restore(QWidget* window)
{
    const QString stored = UserDefaults().stringForKey(DefaultsKeys::windowGeometry);
    if (stored.isEmpty() || stored.size() > maxStoredLength)
        return false;
    if (!window->restoreGeometry(QByteArray::fromBase64(stored.toLatin1())))
        return false;
    if (window->isMaximized() || window->isFullScreen())
        return true;
    const QRect placed = clamped(window->geometry(), availableScreens());
    if (placed != window->geometry())
        window->setGeometry(placed);
    return true;
}

void WindowPlacement::store(const QWidget* window)
{
    UserDefaults().setString(DefaultsKeys::windowGeometry,
                             QString::fromLatin1(window->saveGeometry().toBase64()));
}
