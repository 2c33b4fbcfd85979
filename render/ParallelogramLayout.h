#pragma once

#include "render/LayoutFrame.h"
#include "render/PlaneFigureReadings.h"
#include "render/PlaneLayout.h"

// Stands a parallelogram on its side a with the slanted side b; angle A lies at the
// bottom-left corner. Vertices: bottom-left, top-left, top-right, bottom-right.
class ParallelogramLayout {
public:
    enum class Case { None, LeaningRight, LeaningLeft };

    static Case classify(const PlaneFigureReadings::Parallelogram& parallelogram);
    static PlaneLayout layOut(const LayoutFrame& frame,
                              const PlaneFigureReadings::Parallelogram& p);
};
