#pragma once

#include <QString>

class ShapeCalculator;
struct TapeRecord;

// Puts a tape entry's given values back into its calculator's fields, as Shift-Clear
// would leave them after that calculation: the given values in their fields (in the
// user's decimal separator), every other field empty, ready to calculate again.
class EntryReuse {
public:
    // False, with `why` saying so, when a given line's label matches no field of the
    // calculator (an entry from an older file or another shape) or the entry gave nothing.
    static bool apply(const TapeRecord& entry, ShapeCalculator& calculator, QString* why);

    // A field's tape label as the tape shows it, without its line break and ": ".
    static QString tapeLabelOf(const ShapeCalculator& calculator, int field);
};
