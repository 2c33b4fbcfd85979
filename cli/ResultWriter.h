#pragma once

#include "cli/CalculationRun.h"
#include "cli/CliShapes.h"

#include <QByteArray>

class NumberFormatter;

// A solved calculation for people (an aligned "Label: value" table, given values marked)
// and for programs (one JSON object).
class ResultWriter {
public:
    static QByteArray table(const CliShapes::Shape& shape, const CalculationRun::Result& result);
    // Every quantity by its name and by the window's outlet, the given flags and the case.
    // A refusal is an object with "error".
    static QByteArray json(const CliShapes::Shape& shape, const CalculationRun::Result& result,
                           const NumberFormatter& formatter);
};
