#include "core/TapeEntry.h"

#include "core/Colours.h"
#include "core/RtfReader.h"

#include <QDateTime>
#include <QLocale>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QTextCharFormat colouredFormat(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

// Lines break as the tape reader reads a saved tape, so a tape shown after a restart is
// the tape that was written.
QString asTapeLines(const QTextDocument& tape, QString text)
{
    const int end = tape.characterCount() - 1;
    bool afterBreak = end > 0 && RtfReader::isBreak(tape.characterAt(end - 1));
    for (QChar& c : text) {
        if (c == QLatin1Char('\n'))
            c = RtfReader::tapeBreak(afterBreak);
        afterBreak = RtfReader::isBreak(c);
    }
    return text;
}

} // namespace

QString TapeEntry::currentDateTimeText()
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::ShortFormat);
}

void TapeEntry::appendDateLine(QTextDocument& tape, const QString& dateTimeText)
{
    // The document counts its closing paragraph mark: an empty tape has one character.
    const bool hasEntries = tape.characterCount() - 1 > 1;
    append(tape, dateTimeText, colouredFormat(Colours::tapeDateLine()), hasEntries);
}

void TapeEntry::appendValueLine(QTextDocument& tape, const QString& label, const QString& value,
                                bool given)
{
    append(tape, label + value,
           given ? colouredFormat(Colours::tapeGivenValue()) : QTextCharFormat(), false);
}

void TapeEntry::append(QTextDocument& tape, const QString& text, const QTextCharFormat& format,
                       bool separateFromPrevious)
{
    QTextCursor cursor(&tape);
    cursor.movePosition(QTextCursor::End);
    if (separateFromPrevious)
        cursor.insertText(asTapeLines(tape, QStringLiteral("\n\n")), QTextCharFormat());
    cursor.insertText(asTapeLines(tape, text), format);
}
