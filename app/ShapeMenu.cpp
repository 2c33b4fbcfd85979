#include "app/ShapeMenu.h"

#include "app/MainWindow.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"

#include <QAction>
#include <QMenu>

ShapeMenu::ShapeMenu(QMenu* menu, MainWindow* window) : QObject(menu), m_window(window)
{
    QAction* previous = menu->addAction(localized("&Previous Shape"));
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    connect(previous, &QAction::triggered, this, [this] { stepShape(-1); });
    QAction* next = menu->addAction(localized("&Next Shape"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    connect(next, &QAction::triggered, this, [this] { stepShape(1); });

    int planes = 0;
    int solids = 0;
    ShapeCalculator::Dimension family = ShapeCalculator::Dimension::Solid;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        const bool plane = entry.dimension == ShapeCalculator::Dimension::Plane;
        if (entry.dimension != family)
            menu->addSeparator();
        family = entry.dimension;
        const int number = plane ? ++planes : ++solids;
        // The number doubles as the mnemonic within its family.
        QAction* action =
            menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(localized(entry.name)));
        action->setShortcut(QKeySequence((plane ? Qt::CTRL : Qt::ALT) | (Qt::Key_0 + number)));
        const QString name = QString::fromLatin1(entry.name);
        connect(action, &QAction::triggered, m_window,
                [this, name] { m_window->selectShape(name); });
    }
}

void ShapeMenu::stepShape(int step)
{
    const ShapeEntry* shown = ShapeCatalog::find(m_window->selectedShape());
    if (!shown)
        return;
    MyTabView* family = m_window->tabViewFor(shown->dimension);
    const int count = family->count();
    family->setCurrentIndex(((family->currentIndex() + step) % count + count) % count);
}
