#pragma once

#include <QString>

class TapeView;

// Appends calculation entries to the tape view: a grey date-and-time line, then one
// line per quantity, the values the user gave in blue. Entries are written only while
// the tape drawer is stored as open.
class TapeWriter {
public:
    static void writeDateTime(TapeView* tapeTextView);
    static void setTape(const QString& label, const QString& value, bool given,
                        TapeView* tapeTextView);

    // The date-and-time text of an entry, in the user's locale.
    static QString currentDateTimeText();
};
