#pragma once

#include "core/ShapeCalculator.h"
#include "render/PlaneFigureLayout.h"
#include "render/SolidKind.h"

#include <QString>

#include <functional>
#include <variant>
#include <vector>

// What a shape's figure view draws and which of its calculator's fields it reads.
struct FigureSpec {
    std::variant<PlaneFigureLayout::Figure, SolidKind> kind;
    // Outlets, in the order the figure takes its quantities (PlaneFigureReadings,
    // SolidDimensions::from).
    std::vector<const char*> quantities;
    const char* layoutKey;         // editable while nothing is solved
    const char* drawKey = nullptr; // the draw pass's own key, where it differs
};

// Every shape of the program in tab order: its name (tab identifier and tape name),
// its family, its resources, the calculator that serves it (its fields and solver) and
// its figure. Adding a shape is its own folder and one row here.
struct ShapeEntry {
    const char* name;
    ShapeCalculator::Dimension dimension;
    const char* infoResource; // description document
    const char* dockPicture;  // picture painted over the application icon
    std::function<ShapeCalculator*()> createCalculator;
    FigureSpec figure;
};

class ShapeCatalog {
public:
    static const std::vector<ShapeEntry>& shapes();
    static const ShapeEntry* find(const QString& name);
    static QString defaultShape(ShapeCalculator::Dimension dimension);
};
