#include "app/DockIcon.h"

#include "app/ShapeCatalog.h"

#include <QApplication>
#include <QPainter>
#include <QPixmap>

QIcon DockIcon::plainIcon()
{
    // Drawn from its SVG at any size the desktop asks for, so it is crisp at every scale.
    QIcon icon(QStringLiteral(":/pictures/polymetraIcon.svg"));
    icon.addFile(QStringLiteral(":/polymetraIcon.png"));
    return icon;
}

QIcon DockIcon::forShape(const QString& shapeName)
{
    const ShapeEntry* entry = ShapeCatalog::find(shapeName);
    QPixmap icon(QStringLiteral(":/polymetraIcon.png"));
    if (!entry || icon.isNull())
        return plainIcon();
    const QPixmap picture(QStringLiteral(":/") + QLatin1String(entry->dockPicture));
    if (picture.isNull())
        return plainIcon();
    QPainter painter(&icon);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(QPoint(0, 0), picture);
    painter.end();
    return QIcon(icon);
}

void DockIcon::apply(const QString& shapeName)
{
    QApplication::setWindowIcon(forShape(shapeName));
}
