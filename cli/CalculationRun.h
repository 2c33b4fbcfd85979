#pragma once

#include "core/ShapeFieldTable.h"

#include <QString>

#include <optional>
#include <vector>

class NumberFormatter;

// One calculation as the window makes it, without the window: the entries are checked as
// the calculator checks its fields, the solver runs, and every quantity gets the text its
// field would show. The lines it would log on the tape come with it.
class CalculationRun {
public:
    struct Line {
        int field;
        QString text;
        bool given;
    };
    struct Result {
        QString refusal; // the localised message, one line; empty when solved
        std::vector<double> values;
        std::vector<bool> given;
        std::vector<QString> texts;        // per field, as the window shows it
        std::vector<Line> lines;           // the quantities the tape logs, in its order
        std::vector<WorkingStep> steps;    // how the solver found the values, in order
        std::optional<WorkingStep> reason; // why the solver refused, where it says
    };

    // `entries`: per field, the text entered (empty: not entered). Output-only fields are
    // never read.
    static Result run(const ShapeFieldTable& table, const std::vector<QString>& entries,
                      const NumberFormatter& formatter);

    // A message for a single line of output: the sheet's line break becomes a space.
    static QString oneLine(QString message);
};
