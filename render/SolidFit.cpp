#include "render/SolidFit.h"

#include "render/SolidLayout.h"

#include <cmath>
#include <numbers>

namespace {
constexpr double degreesPerRadian = 180.0 / std::numbers::pi;
// Camera distance used when the height is the largest extent.
constexpr double uprightDistance = 3.45;
// The nearest the camera may come before a tall, narrow solid needs a wider angle.
constexpr double cameraDistance = 3.8;
} // namespace

SolidFit::Largest SolidFit::largest(const Extents& e)
{
    if (e.y >= e.x && e.y >= e.z)
        return Largest::Height;
    if (e.x >= e.y && e.x >= e.z)
        return Largest::Width;
    return Largest::Depth;
}

float SolidFit::apply(SolidLayout& layout, const Extents& e, Largest largest, float reach,
                      float viewingDistance, float aspect)
{
    const float m = largest == Largest::Height ? e.y : largest == Largest::Width ? e.x : e.z;
    layout.gridScalingFactor = m;
    layout.xValue = e.x / m;
    layout.yValue = e.y / m;
    layout.zValue = e.z / m;
    const float scaledReach = reach / m;
    if (largest == Largest::Height) {
        layout.fov =
            float(2.0 * std::atan2(double(scaledReach), uprightDistance) * degreesPerRadian);
    } else {
        layout.fov = float(2.0 * std::atan2(double(scaledReach), double(viewingDistance)) *
                           degreesPerRadian / double(aspect));
        // A narrow view would cut the top off a solid that is tall for its width.
        const double room = cameraDistance - double(scaledReach);
        if (double(layout.yValue) > std::tan(double(layout.fov) / 2.0 / degreesPerRadian) * room)
            layout.fov = float(2.0 * std::atan2(double(layout.yValue), room) * degreesPerRadian);
    }
    return 2.0f / m;
}
