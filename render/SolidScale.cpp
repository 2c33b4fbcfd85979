#include "render/SolidScale.h"

#include "core/Localization.h"

#include <cmath>

SolidScale SolidScale::calculateScalingString(double largestDimension, float viewHeight)
{
    SolidScale scale;
    const float f = float(std::floor(std::log10(largestDimension)));
    scale.scaleStringFactor = std::pow(10.0, double(f) - 1.0);
    scale.gridScalingFactor = largestDimension / scale.scaleStringFactor;
    // Squares closer than five pixels would blur into one grey: ten times fewer.
    if (scale.gridScalingFactor > double(viewHeight / 5.0f)) {
        scale.gridScalingFactor /= 10.0;
        scale.scaleStringFactor = std::pow(10.0, double(f));
    }
    scale.label = localized("Scale ");
    if (scale.scaleStringFactor >= 1) {
        scale.label += QStringLiteral("1:") + QString::asprintf("%.0f", scale.scaleStringFactor);
    } else {
        scale.scaleStringFactor = 1.0 / scale.scaleStringFactor;
        scale.label += QString::asprintf("%.0f", scale.scaleStringFactor) + QStringLiteral(":1");
    }
    return scale;
}
