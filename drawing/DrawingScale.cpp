#include "drawing/DrawingScale.h"

#include "core/Localization.h"

#include <algorithm>
#include <cmath>
#include <limits>

double DrawingScale::ratio() const
{
    return std::pow(10.0, exponent);
}

QString DrawingScale::text() const
{
    // Beyond a thousand million the digits are written as a power of ten.
    const auto power = [](int e) {
        return e <= 9 ? QString::number(qint64(std::llround(std::pow(10.0, e))))
                      : QStringLiteral("1e%1").arg(e);
    };
    const QString prefix = localized(QT_TRANSLATE_NOOP("Polymetra", "Scale "));
    if (exponent <= 0)
        return prefix + QStringLiteral("1:") + power(-exponent);
    return prefix + power(exponent) + QStringLiteral(":1");
}

std::optional<DrawingScale> DrawingScale::fitting(const QSizeF& extent, const QSizeF& available)
{
    double room = std::numeric_limits<double>::infinity();
    if (extent.width() > 0)
        room = std::min(room, available.width() / extent.width());
    if (extent.height() > 0)
        room = std::min(room, available.height() / extent.height());
    if (!std::isfinite(room) || !(room > 0))
        return std::nullopt;
    // A figure that fits exactly is drawn at that power, not one below it.
    return DrawingScale{int(std::floor(std::log10(room) + 1e-9))};
}
