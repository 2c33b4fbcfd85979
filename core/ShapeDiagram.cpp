#include "core/ShapeDiagram.h"

#include <QFontMetricsF>
#include <QPainter>

ShapeDiagram::ShapeDiagram(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void ShapeDiagram::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal margin = 18;
    const qreal side = qMax<qreal>(10, qMin(width(), height()) - 2 * margin);
    const QRectF box((width() - side) / 2, (height() - side) / 2, side, side);
    paintShape(painter, box);
}

void ShapeDiagram::drawLabel(QPainter& painter, const QPointF& at, const QString& text)
{
    painter.save();
    painter.setPen(QColor(30, 30, 120));
    const QFontMetricsF metrics(painter.font());
    const QRectF bounds = metrics.boundingRect(text);
    painter.drawText(QPointF(at.x() - bounds.width() / 2, at.y() + metrics.ascent() / 2 - 1), text);
    painter.restore();
}

void ShapeDiagram::useShapeStyle(QPainter& painter)
{
    painter.setPen(QPen(Qt::black, 1.5));
    painter.setBrush(QColor(0, 0, 255, 40));
}

void ShapeDiagram::useMeasureStyle(QPainter& painter)
{
    painter.setPen(QPen(QColor(200, 40, 40), 1.2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
}
