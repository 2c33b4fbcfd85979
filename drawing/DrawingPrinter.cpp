#include "drawing/DrawingPrinter.h"

#include "core/Localization.h"
#include "drawing/DrawingPainter.h"
#include "drawing/PrintTiling.h"

#include <QPainter>
#include <QPrinter>

namespace {

void overlapMarks(QPainter& painter, const PrintTiling& plan, int index, double k)
{
    const QRectF tile = plan.tiles[size_t(index)];
    const int column = index % plan.columns, row = index / plan.columns;
    const double o = PrintTiling::overlap;
    painter.setPen(QPen(Qt::red, 0.2 * k, Qt::DashLine));
    // Where this page's neighbour begins, and where the previous one ended.
    if (column + 1 < plan.columns)
        painter.drawLine(
            QLineF((tile.width() - o) * k, 0, (tile.width() - o) * k, tile.height() * k));
    if (column > 0)
        painter.drawLine(QLineF(o * k, 0, o * k, tile.height() * k));
    if (row + 1 < plan.rows)
        painter.drawLine(
            QLineF(0, (tile.height() - o) * k, tile.width() * k, (tile.height() - o) * k));
    if (row > 0)
        painter.drawLine(QLineF(0, o * k, tile.width() * k, o * k));
}

void checkLine(QPainter& painter, const PrintTiling& plan, int index, double top, double k)
{
    const double y = (top + 4) * k, tick = 1.5 * k;
    painter.setPen(QPen(Qt::black, 0.3 * k));
    painter.drawLine(QLineF(0, y, DrawingPrinter::checkLineMm * k, y));
    painter.drawLine(QLineF(0, y - tick, 0, y + tick));
    painter.drawLine(QLineF(DrawingPrinter::checkLineMm * k, y - tick,
                            DrawingPrinter::checkLineMm * k, y + tick));
    QFont font = painter.font();
    font.setPointSizeF(7);
    painter.setFont(font);
    const QString text = localized("Check line: 10 cm. Page %1 of %2 (row %3, column %4).")
                             .arg(index + 1)
                             .arg(plan.tiles.size())
                             .arg(index / plan.columns + 1)
                             .arg(index % plan.columns + 1);
    painter.drawText(QRectF(0, y + tick, plan.tiles.front().width() * k, 6 * k),
                     Qt::AlignLeft | Qt::AlignVCenter, text);
}

} // namespace

bool DrawingPrinter::print(QPrinter& printer, const FigureDrawing& drawing,
                           const DrawingSheet& sheet, QString* error)
{
    printer.setFullPage(false);
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    const QSizeF printable = layout.paintRect(QPageLayout::Millimeter).size();
    const std::optional<PrintTiling> plan =
        PrintTiling::plan(sheet.page, printable - QSizeF(0, checkBandMm));
    if (!plan) {
        if (error)
            *error =
                localized("The drawing needs more than %1 pages at %2; choose a smaller scale.")
                    .arg(PrintTiling::mostPages)
                    .arg(sheet.scale.text());
        return false;
    }
    printer.setPageOrientation(plan->landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (error)
            *error = localized("the printer could not be started");
        return false;
    }
    const double k = printer.resolution() / 25.4;
    for (int i = 0; i < int(plan->tiles.size()); ++i) {
        if (i > 0 && !printer.newPage()) {
            if (error)
                *error = localized("the printer took no further page");
            painter.end();
            return false;
        }
        const QRectF tile = plan->tiles[size_t(i)];
        painter.save();
        painter.setClipRect(QRectF(QPointF(), tile.size() * k));
        DrawingPainter::paint(painter, drawing, sheet, k, tile);
        overlapMarks(painter, *plan, i, k);
        painter.restore();
        checkLine(painter, *plan, i, tile.height(), k);
    }
    if (!painter.end()) {
        if (error)
            *error = localized("the printer stopped");
        return false;
    }
    return true;
}
