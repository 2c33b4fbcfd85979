#include "drawing/DrawingSheet.h"

#include "core/Localization.h"

#include <algorithm>
#include <cmath>

namespace {

// Rounded up to a whole number of points, as a PDF page is measured.
double wholePoints(double mm)
{
    return std::ceil(mm / DrawingSheet::mmPerPoint - 1e-6) * DrawingSheet::mmPerPoint;
}

} // namespace

double DrawingSheet::millimetresPerUnit() const
{
    return DrawingUnits::millimetresPer(unit) * scale.ratio();
}

std::optional<DrawingSheet> DrawingSheet::make(const QRectF& bounds, DrawingUnit unit,
                                               DrawingScale scale, QString* why)
{
    DrawingSheet sheet;
    sheet.unit = unit;
    sheet.scale = scale;
    const double k = sheet.millimetresPerUnit();
    const double w = bounds.width() * k, h = bounds.height() * k;
    const bool finite = std::isfinite(bounds.x()) && std::isfinite(bounds.y()) &&
                        std::isfinite(w) && std::isfinite(h) && std::isfinite(k);
    if (!finite || bounds.isNull() || w < 0 || h < 0) {
        if (why)
            *why = localized("There is no figure to draw.");
        return std::nullopt;
    }
    const double pageWidth = wholePoints(std::max(w + 2 * margin, narrowest));
    const double pageHeight = wholePoints(h + 2 * margin + footer);
    if (pageWidth > largest || pageHeight > largest) {
        if (why)
            *why = localized("At %1 the drawing is %2 × %3 mm, larger than a page can be; "
                             "choose a smaller scale.")
                       .arg(scale.text())
                       .arg(w, 0, 'g', 4)
                       .arg(h, 0, 'g', 4);
        return std::nullopt;
    }
    sheet.page = QSizeF(pageWidth, pageHeight);
    const double left = (pageWidth - w) / 2;
    const double top = margin + (pageHeight - (h + 2 * margin + footer)) / 2;
    sheet.figure = QRectF(left, top, w, h);
    // y-up units to y-down millimetres: the bounds' top edge (largest y) lands at `top`.
    sheet.toPage = QTransform::fromTranslate(-bounds.left(), -bounds.bottom()) *
                   QTransform::fromScale(k, -k) * QTransform::fromTranslate(left, top);
    return sheet;
}
