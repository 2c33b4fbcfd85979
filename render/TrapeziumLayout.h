#pragma once

#include "render/LayoutFrame.h"
#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

// Stands a trapezium on its base a, with c on top, b on the right and d on the left.
// Vertices: bottom-left (angle A), top-left (D), top-right (C), bottom-right (B).
class TrapeziumLayout {
public:
    enum class Case {
        None,
        BaseWidest,
        TopWidest,
        LeaningRightOverTop, // the top is longer than the base
        LeaningLeftOverTop,
        LeaningRightOverBase, // the base is at least as long as the top
        LeaningLeftOverBase,
    };

    static Case classify(const PlaneFigureReadings::Trapezium& trapezium);
    static PlaneLayout layOut(const LayoutFrame& frame, const PlaneFigureReadings::Trapezium& t);
};
