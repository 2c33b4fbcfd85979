#pragma once

#include "core/ShapeFieldTable.h"
#include "core/WorkingStep.h"

#include <QString>
#include <QStringList>

class NumberFormatter;

// The working as the user reads it: "V = ⅓·π·r²·h = ⅓·π·3²·4 = 37.7", numbers written as the
// fields write them. Plain lines are for copying and export; the rich text escapes every
// piece it puts in, so only the solvers' own names and formatted numbers reach the markup.
class WorkingText {
public:
    struct Parts {
        QString formula;     // "V = ⅓·π·r²·h"
        QString substituted; // "⅓·π·3²·4"; empty for a reason
        QString result;      // "37.7"; empty for a reason
    };

    // An angle's result is written with its degree sign.
    static Parts parts(const WorkingStep& step, const NumberFormatter& numbers, bool angle = false);
    static QString plainLine(const WorkingStep& step, const NumberFormatter& numbers,
                             bool angle = false);
    static bool findsAngle(const ShapeFieldTable& shape, const WorkingStep& step);
    // The whole working: what was given ("Given: Radius = 3, Height = 4"), then each step; or
    // the refusal's reason. A refusal without one (too little given) has no working.
    static QStringList plainLines(const ShapeFieldTable& shape, const SolveOutcome& outcome,
                                  const NumberFormatter& numbers);
    static QString richText(const ShapeFieldTable& shape, const SolveOutcome& outcome,
                            const NumberFormatter& numbers);

    // The working of a calculation from the values given (a tape entry's, say), re-solved
    // by the shape's own solver: the same steps the window showed when it was made.
    static SolveOutcome forGiven(const ShapeFieldTable& shape, const std::vector<double>& values);
};
