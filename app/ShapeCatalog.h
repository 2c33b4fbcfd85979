#pragma once

#include "core/ShapeCalculator.h"

#include <QString>

#include <functional>
#include <vector>

// Every shape of the program in tab order: its name (tab identifier and tape name),
// its family, its resources, and the calculator that serves it.
struct ShapeEntry {
    const char* name;
    ShapeCalculator::Dimension dimension;
    const char* infoResource; // description document
    const char* dockPicture;  // picture painted over the application icon
    std::function<ShapeCalculator*()> createCalculator;
};

class ShapeCatalog {
public:
    static const std::vector<ShapeEntry>& shapes();
    static const ShapeEntry* find(const QString& name);
    static QString defaultShape(ShapeCalculator::Dimension dimension);
};
