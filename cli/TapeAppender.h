#pragma once

#include "cli/CalculationRun.h"

#include <QString>

// Adds a calculation's entry to the shape's tape file as the window does: the same lines,
// colours and RTF, written atomically. A tape that cannot be read is left as it is (the
// window moves such a file aside when it next shows that tape), never written over.
class TapeAppender {
public:
    static bool append(const ShapeFieldTable& table, const CalculationRun::Result& result,
                       QString* error);
};
