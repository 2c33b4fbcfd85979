#pragma once

#include <cmath>
#include <numbers>

// π and the trigonometry of angles in degrees, as the fields hold them. Degrees become
// radians as degrees · π / 180, the product rounded before the division, so a result
// does not depend on which solver computed it; a WideNumber takes the same steps and
// keeps the sine of a tiny angle.
namespace Angles {

inline constexpr double pi = std::numbers::pi;

// The layouts scale by this one factor instead; it rounds differently from radians()
// in the last bit for many angles, so the two are not interchangeable.
inline constexpr double radiansPerDegree = pi / 180;

template <typename Number> Number radians(Number degrees)
{
    return degrees * pi / 180;
}

inline double degrees(double radians)
{
    return radians * 180 / pi;
}

template <typename Number> Number sinDegrees(Number degrees)
{
    using std::sin;
    return sin(radians(degrees));
}

inline double cosDegrees(double degrees)
{
    return std::cos(radians(degrees));
}

inline double tanDegrees(double degrees)
{
    return std::tan(radians(degrees));
}

} // namespace Angles
