#include "render/SolidMotion.h"

#include <algorithm>

float SolidMotion::turn(SolidKind kind)
{
    float& angle = m_angles[index(kind)];
    angle = wrapped(angle + m_spins[index(kind)]);
    return angle;
}

float SolidMotion::dragged(float angle, float downX, float x)
{
    return float(double(angle) - (double(downX) / pixelsPerDegree + double(x) / -pixelsPerDegree));
}

float SolidMotion::spinAfterRelease(double releaseX, double laterX)
{
    const double moved = laterX - releaseX;
    if (moved == 0)
        return 0;
    return float(
        std::clamp(moved / pixelsPerSpinDegree, -double(fastestSpin), double(fastestSpin)));
}

float SolidMotion::wrapped(float angle)
{
    if (angle > 360)
        return angle - 360;
    if (angle < -360)
        return angle + 360;
    return angle;
}
