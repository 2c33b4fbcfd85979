#pragma once

#include <QString>

class QTextCharFormat;
class QTextDocument;

// How an entry is written onto a tape document: a grey date-and-time line (set apart from
// the entry before it), then one line per quantity, the values the user gave in blue.
// The tape view and the command line write entries alike, so their tape files are too.
class TapeEntry {
public:
    static void appendDateLine(QTextDocument& tape, const QString& dateTimeText);
    static void appendValueLine(QTextDocument& tape, const QString& label, const QString& value,
                                bool given);
    // The program's own insertion at the end; "\n" breaks lines as the tape reader does.
    static void append(QTextDocument& tape, const QString& text, const QTextCharFormat& format,
                       bool separateFromPrevious);

    // The date-and-time text of an entry, in the user's locale.
    static QString currentDateTimeText();
};
