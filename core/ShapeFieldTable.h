#pragma once

#include "core/SolveOutcome.h"

#include <QtGlobal> // QT_TRANSLATE_NOOP, which marks the tables' keys

#include <vector>

// What a shape is to every front end that calculates it: its name, its family and its
// quantities in writing order, with the solver that reads them in that order. The window's
// calculators and the command line read the same table, so a label or a case cannot differ.
enum class ShapeDimension { Plane, Solid };
enum class FieldRole { Input, OutputOnly };

struct FieldSpec {
    const char* outlet;    // the outlet name, e.g. "radiusTextField"
    const char* formLabel; // English key of the label beside the field
    const char* tapeLabel; // English key of the tape label, e.g. "\nRadius: "
    FieldRole role = FieldRole::Input;
    int tag = 0; // TypingFilter::wholeNumberTag for whole-number fields
};

struct ShapeFieldTable {
    const char* shapeName; // English key: tab identifier and tape name
    ShapeDimension dimension;
    std::vector<FieldSpec> fields;
    // Values indexed like `fields`; 0 means not entered.
    SolveOutcome (*solve)(const std::vector<double>& values);
};
