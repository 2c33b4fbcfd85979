#include "core/TapeWriter.h"

#include "core/Colours.h"
#include "core/UserDefaults.h"

#include <QDateTime>
#include <QLocale>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

namespace {

QTextCharFormat colouredFormat(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

// The tape is read-only to the user; it opens only for the program's own insertions.
void insertAtEnd(QTextEdit* view, const QString& text, const QTextCharFormat& format,
                 bool separateFromPrevious)
{
    view->setReadOnly(false);
    QTextCursor cursor(view->document());
    cursor.movePosition(QTextCursor::End);
    if (separateFromPrevious)
        cursor.insertText(QStringLiteral("\n\n"), QTextCharFormat());
    cursor.insertText(text, format);
    view->setReadOnly(true);
}

} // namespace

QString TapeWriter::currentDateTimeText()
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::ShortFormat);
}

void TapeWriter::writeDateTime(QTextEdit* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    const bool hasEntries = tapeTextView->toPlainText().size() > 1;
    insertAtEnd(tapeTextView, currentDateTimeText(), colouredFormat(Colours::tapeDateLine()),
                hasEntries);
}

void TapeWriter::setTape(const QString& label, const QString& value, bool given,
                         QTextEdit* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    const QTextCharFormat format =
        given ? colouredFormat(Colours::tapeGivenValue()) : QTextCharFormat();
    insertAtEnd(tapeTextView, label + value, format, false);
}
