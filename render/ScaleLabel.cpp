#include "render/ScaleLabel.h"

#include "core/Localization.h"

#include <cmath>

ScaleLabel ScaleLabel::calculateScalingString(double scalingRatio)
{
    ScaleLabel label;
    if (scalingRatio == 0)
        return label;
    // The decimal exponent of the length that 50 view units represent.
    const double exponent = std::floor(std::log10((1 / scalingRatio) * 50));
    label.unitsPerSquare = exponent == 0 ? 1 : std::pow(10.0, exponent);
    label.gridSpacing = label.unitsPerSquare * scalingRatio;
    const QString prefix = localized(QT_TRANSLATE_NOOP("Polymetra", "Scale "));
    if (label.unitsPerSquare >= 1)
        label.text =
            prefix + QStringLiteral("1:") + QString::asprintf("%.0f", label.unitsPerSquare);
    else
        label.text =
            prefix + QString::asprintf("%.0f", 1 / label.unitsPerSquare) + QStringLiteral(":1");
    return label;
}
