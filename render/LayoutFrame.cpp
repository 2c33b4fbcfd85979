#include "render/LayoutFrame.h"

namespace {

QRectF singlePrecision(const QRectF& r)
{
    return QRectF(float(r.x()), float(r.y()), float(r.width()), float(r.height()));
}

} // namespace

LayoutFrame::LayoutFrame(const QRectF& viewBounds)
    : bounds(singlePrecision(viewBounds)), W(bounds.width() - 2 * margin),
      H(bounds.height() - 2 * margin), aspect(W / H), L(bounds.x() + margin), T(bounds.y() + margin)
{
}

LayoutFrame::Fit LayoutFrame::fit(double w, double h) const
{
    Fit result;
    if (w / h > aspect) {
        result.fitsWidth = true;
        result.scale = W / w;
        result.left = L;
        result.bottom = T + H / 2 - h * result.scale / 2;
    } else {
        result.scale = H / h;
        result.bottom = T;
        result.left = L + W / 2 - w * result.scale / 2;
    }
    return result;
}

QPointF LayoutFrame::viewCentre() const
{
    return QPointF(bounds.x() + bounds.width() / 2, bounds.y() + bounds.height() / 2);
}
