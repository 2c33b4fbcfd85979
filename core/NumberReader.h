#pragma once

#include <QChar>
#include <QStringView>

// The numeric reading of a field: the number at the start of its text, or 0 when the
// text is empty or does not begin with a number. The user's decimal separator is
// honoured; "." is always understood too. "nan" and "inf" read as such.
class NumberReader {
public:
    static double readLeadingNumber(QStringView text, QChar separator);
};
