#pragma once

#include "cli/CliShapes.h"

#include <QString>

// The texts polymetra-cli prints when asked about itself and its shapes.
class CliHelp {
public:
    static QString usage();
    // Every shape with its quantities, one shape a line.
    static QString list();
    // A shape's quantities (names, short names, which are only calculated) and an example.
    static QString shape(const CliShapes::Shape& shape);
};
