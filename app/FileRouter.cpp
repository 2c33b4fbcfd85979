#include "app/FileRouter.h"

#include "app/MainWindow.h"
#include "app/PanelState.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/NotificationHub.h"
#include "core/UserDefaults.h"

#include <QFileInfo>

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
    } else {
        const QString suffix = QLatin1Char(' ') + localized("Tape");
        shape = name.endsWith(suffix) ? name.left(name.size() - suffix.size()) : name;
        m_panels->openTape();
    }
    UserDefaults defaults;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (shape != localized(entry.name))
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
