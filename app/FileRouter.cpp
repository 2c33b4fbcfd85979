#include "app/FileRouter.h"

#include "app/ForeignTapeWindow.h"
#include "app/MainWindow.h"
#include "app/PanelState.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/SupportPaths.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"

#include <QFileInfo>

namespace {

// One of the user's own tapes: the file in the tapes folder that a shape saves to.
bool isOwnTape(const QString& path)
{
    const QString folder = QFileInfo(SupportPaths::tapesFolder()).canonicalFilePath();
    const QFileInfo file(path);
    if (folder.isEmpty() || QFileInfo(file.absolutePath()).canonicalFilePath() != folder)
        return false;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (file.fileName() == SupportPaths::tapeFileName(localized(entry.name)))
            return true;
    }
    return false;
}

// A shape file ("Polymetra Kegel") may come from the program speaking another language.
bool namesShape(const QString& name, const ShapeEntry& entry)
{
    if (name == localized(entry.name))
        return true;
    for (const QString& code : LanguageChoice::codes()) {
        if (name == Translations::translatedIn(code, entry.name))
            return true;
    }
    return false;
}

} // namespace

FileRouter::FileRouter(MainWindow* window, PanelState* panels, QObject* parent)
    : QObject(parent), m_window(window), m_panels(panels)
{
}

void FileRouter::openFile(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    const QString product = QStringLiteral("Polymetra");
    if (name == product)
        return;
    QString shape;
    if (name.startsWith(product + QLatin1Char(' '))) {
        shape = name.mid(product.size() + 1);
        m_panels->openInfo();
    } else if (!isOwnTape(path)) {
        showForeignTape(path);
        return;
    } else {
        const QString suffix = QLatin1Char(' ') + localized("Tape");
        shape = name.endsWith(suffix) ? name.left(name.size() - suffix.size()) : name;
        m_panels->openTape();
    }
    UserDefaults defaults;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (!namesShape(shape, entry))
            continue;
        const TopTab family =
            entry.dimension == ShapeCalculator::Dimension::Plane ? TopTab::Plane : TopTab::Solid;
        defaults.setBottomTab(family, QString::fromLatin1(entry.name));
        defaults.setTopTab(family);
        break;
    }
    emit NotificationHub::instance().changeTab();
    m_window->raise();
    m_window->activateWindow();
}

void FileRouter::showForeignTape(const QString& path)
{
    QString why;
    ForeignTapeWindow* window =
        ForeignTapeWindow::open(path, m_window->tapeCommands(), m_window, &why);
    if (!window) {
        Notices::instance().report(lcFiles(),
                                   localized("The tape %1 could not be opened: %2").arg(path, why));
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}
