#include "app/TapeHousekeeping.h"

#include "app/ShapeCatalog.h"
#include "core/AlertPresenter.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/SupportPaths.h"
#include "core/TapeAdoption.h"
#include "core/TapeSaver.h"

#include <QDir>
#include <QFileInfo>

TapeHousekeeping::TapeHousekeeping(QWidget* window, QObject* parent)
    : QObject(parent), m_window(window)
{
}

void TapeHousekeeping::clearAllTapes(QWidget* sender)
{
    AlertPresenter::instance().showSheet(
        sender ? sender : m_window,
        {localized("Clear all tapes!"),
         localized("Are you aure you want to clear all tapes? This can not be undone."),
         localized("Cancel"), localized("Clear all tapes"), QString()},
        [this](int returnCode) { endClearAllTapesAlert(returnCode); });
}

void TapeHousekeeping::endClearAllTapesAlert(int returnCode)
{
    if (returnCode != AlertPresenter::AlternateButton)
        return;
    if (removeAllTapes())
        emit NotificationHub::instance().changeTab();
}

bool TapeHousekeeping::removeAllTapes()
{
    // A save still pending would otherwise bring a removed tape back.
    TapeSaver::instance().waitForPending();
    QDir tapes(SupportPaths::tapesFolder());
    if (!tapes.exists())
        return false;
    // The shapes' tapes go; anything else kept there (an unreadable tape moved aside for
    // the user to rescue) stays, and the folder goes only when nothing else is left.
    QStringList kept;
    // Its names in the other languages go too: such a tape would otherwise be taken over
    // as the shape's tape at the next load and the cleared entries come back.
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        for (const QString& name : TapeAdoption::tapeFileNames(shape.name)) {
            const QString path = tapes.filePath(name);
            const QFileInfo info(path);
            if ((info.exists() || info.isSymLink()) && !QFile::remove(path))
                kept.append(path);
        }
    }
    tapes.rmdir(tapes.path());
    if (!kept.isEmpty())
        Notices::instance().report(
            lcFiles(), localized("These tapes could not be removed and are kept as they are: %1.")
                           .arg(kept.join(QStringLiteral(", "))));
    emit NotificationHub::instance().writeTapeSupportFiles();
    return true;
}
