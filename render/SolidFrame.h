#pragma once

#include "render/SolidGrid.h"
#include "render/SolidKind.h"
#include "render/SolidLayout.h"

#include <optional>

// Everything one draw pass of the solid view reads, gathered by the view.
struct SolidFrame {
    std::optional<SolidKind> kind; // nothing: the tab names no solid
    bool keyFieldEditable = false; // not solved yet: the view shows white
    SolidLayout layout;
    double gridSquares = 0; // the scale's gridScalingFactor
    SolidGrid::Switches switches;
    float width = 0; // openGLViewSceneBounds, pixels
    float height = 0;
    bool mouseDidDrag = false;
    bool operator==(const SolidFrame&) const = default;
};
