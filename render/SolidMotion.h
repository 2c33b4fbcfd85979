#pragma once

#include "render/SolidKind.h"

#include <array>
#include <cstddef>

// How the solids turn: each keeps its own angle about the vertical axis and its own spin
// (degrees added at every draw pass), so switching tabs and back shows a solid as it was
// left. The mouse arithmetic lives here, apart from any widget.
class SolidMotion {
public:
    static constexpr float initialAngle = -30.0f;
    static constexpr float pixelsPerDegree = 3.0f;
    static constexpr double pixelsPerSpinDegree = 70.0;
    static constexpr float fastestSpin = 0.5f; // degrees per draw pass

    float angle(SolidKind kind) const { return m_angles[index(kind)]; }
    float spin(SolidKind kind) const { return m_spins[index(kind)]; }
    void setAngle(SolidKind kind, float angle) { m_angles[index(kind)] = angle; }
    void setSpin(SolidKind kind, float spin) { m_spins[index(kind)] = spin; }

    // One draw pass's turn: adds the spin and keeps the angle within [-360, 360].
    float turn(SolidKind kind);

    // A drag from `downX` to `x` (window pixels): right turns the angle up.
    static float dragged(float angle, float downX, float x);
    // The spin left by a release at `releaseX` when the mouse is at `laterX` a moment
    // later: the flick's speed, at most half a degree per pass either way.
    static float spinAfterRelease(double releaseX, double laterX);
    static float wrapped(float angle);

private:
    static size_t index(SolidKind kind) { return size_t(kind); }

    std::array<float, solidKindCount> m_angles{initialAngle, initialAngle, initialAngle,
                                               initialAngle, initialAngle, initialAngle,
                                               initialAngle};
    std::array<float, solidKindCount> m_spins{};
};
