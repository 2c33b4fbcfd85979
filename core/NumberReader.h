#pragma once

#include <QChar>
#include <QStringView>

#include <optional>

// The numeric reading of a field: the number at the start of its text, or 0 when the
// text is empty or does not begin with a number. The user's decimal separator is
// honoured; "." is always understood too. "nan" and "inf" read as such.
class NumberReader {
public:
    static double readLeadingNumber(QStringView text, QChar separator);
    // The number the whole text spells (surrounding spaces aside): digits with at most
    // one separator and an optional exponent, no sign. Nothing when any other character
    // is present; a number too large for a double reads as infinity.
    static std::optional<double> readWholeText(QStringView text, QChar separator);
};
