#include "drawing/DrawingPainter.h"

#include "render/PlaneFigurePainter.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>
#include <numbers>

namespace {

constexpr double lineWidthMm = 0.3;
constexpr double labelGapMm = 1.5;
constexpr double labelPoints = 8;

QPointF unitVector(const QPointF& v)
{
    const double length = std::hypot(v.x(), v.y());
    return length > 0 ? v / length : QPointF();
}

// Writes `text` turned by `degrees` next to `anchor` (device pixels): moved along the unit
// vector `away` until its box no longer covers the anchor.
void writeText(QPainter& painter, const QPointF& anchor, double degrees, const QString& text,
               const QPointF& away = QPointF())
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QSizeF size(metrics.horizontalAdvance(text), metrics.height());
    const double turn = degrees * std::numbers::pi / 180;
    // The away vector in the text's own axes.
    const double along = away.x() * std::cos(turn) + away.y() * std::sin(turn);
    const double across = -away.x() * std::sin(turn) + away.y() * std::cos(turn);
    const double push = std::abs(along) * size.width() / 2 + std::abs(across) * size.height() / 2;
    painter.save();
    painter.translate(anchor + away * push);
    painter.rotate(degrees);
    painter.drawText(QRectF(QPointF(-size.width() / 2, -size.height() / 2), size), Qt::AlignCenter,
                     text);
    painter.restore();
}

} // namespace

QString DrawingPainter::labelText(const FigureDrawing::Dimension& dimension, DrawingUnit unit)
{
    return dimension.name + QStringLiteral(" = ") + dimension.value + QLatin1Char(' ') +
           DrawingUnits::symbol(unit);
}

void DrawingPainter::paint(QPainter& painter, const FigureDrawing& drawing,
                           const DrawingSheet& sheet, double k, const QRectF& window)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(QPointF(), window.size() * k), Qt::white);
    // Figure units to device pixels, without a world transform, so that pens and fonts
    // keep their own sizes on every device.
    const QTransform toDevice = sheet.toPage *
                                QTransform::fromTranslate(-window.left(), -window.top()) *
                                QTransform::fromScale(k, k);
    for (const QPainterPath& outline : drawing.outlines)
        PlaneFigurePainter::paintOutline(painter, toDevice.map(outline), lineWidthMm * k);

    painter.setPen(QPen(Qt::black, lineWidthMm * k, Qt::SolidLine, Qt::RoundCap));
    for (const QLineF& edge : drawing.edges)
        painter.drawLine(toDevice.map(edge));

    QPen guidePen(Qt::darkGray, lineWidthMm * k * 0.7, Qt::DashLine);
    painter.setPen(guidePen);
    for (const QLineF& guide : drawing.guides)
        painter.drawLine(toDevice.map(guide));

    QFont font = painter.font();
    font.setPointSizeF(labelPoints);
    painter.setFont(font);
    painter.setPen(Qt::black);
    for (const FigureDrawing::Dimension& dimension : drawing.dimensions) {
        const QLineF line = toDevice.map(dimension.along);
        const QPointF direction = unitVector(line.p2() - line.p1());
        double degrees = std::atan2(direction.y(), direction.x()) * 180 / std::numbers::pi;
        // Upright text, and near-vertical text read upwards, as drawings letter it.
        if (degrees > 80)
            degrees -= 180;
        else if (degrees <= -100)
            degrees += 180;
        // Left of the direction in the figure's y-up units is right of it on the page.
        const QPointF normal = QPointF(direction.y(), -direction.x()) * dimension.side;
        writeText(painter, line.pointAt(dimension.at) + normal * labelGapMm * k, degrees,
                  labelText(dimension, sheet.unit), normal);
    }
    for (const FigureDrawing::Vertex& vertex : drawing.vertices) {
        const QPointF at = toDevice.map(vertex.at);
        const QPointF out = unitVector(toDevice.map(vertex.at + vertex.outward) - at);
        writeText(painter, at + out * labelGapMm * k, 0, vertex.name, out);
    }

    const QPointF scaleAt((sheet.page.width() / 2 - window.left()) * k,
                          (sheet.page.height() - DrawingSheet::footer / 2 - window.top()) * k);
    writeText(painter, scaleAt, 0,
              sheet.scale.text() + QStringLiteral(", ") + DrawingUnits::symbol(sheet.unit));
    painter.restore();
}
