#pragma once

#include "core/ShapeFieldTable.h"
#include "core/TapeEntries.h"

#include <QStringList>

class NumberFormatter;

// The working behind a tape entry, for exporting it with the tape: the entry's given values
// solved again by the shape's own solver, so the steps are those the window showed when the
// entry was made. The tape file itself never holds them.
class TapeWorking {
public:
    // The working's plain lines; none when the entry's given values match no field of the
    // shape (a foreign or older entry) or the solver refuses them without a reason.
    static QStringList of(const TapeRecord& entry, const ShapeFieldTable& shape,
                          const NumberFormatter& numbers);
    // Fills every entry's `working`.
    static void attach(std::vector<TapeRecord>& entries, const ShapeFieldTable& shape,
                       const NumberFormatter& numbers);
};
