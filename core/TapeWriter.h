#pragma once

#include <QString>

class QTextEdit;

// Appends calculation entries to the tape view: a grey date-and-time line, then one
// line per quantity, the values the user gave in blue. Entries are written only while
// the tape drawer is stored as open.
class TapeWriter {
public:
    static void writeDateTime(QTextEdit* tapeTextView);
    static void setTape(const QString& label, const QString& value, bool given,
                        QTextEdit* tapeTextView);

    // The date-and-time text of an entry, in the user's locale.
    static QString currentDateTimeText();
};
