#include "core/TapeWriter.h"

#include "core/Colours.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDateTime>
#include <QLocale>
#include <QTextCharFormat>
#include <QTextDocument>

namespace {

QTextCharFormat colouredFormat(const QColor& colour)
{
    QTextCharFormat format;
    format.setForeground(colour);
    return format;
}

} // namespace

QString TapeWriter::currentDateTimeText()
{
    const QLocale locale;
    const QDateTime now = QDateTime::currentDateTime();
    return locale.toString(now.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           locale.toString(now.time(), QLocale::ShortFormat);
}

void TapeWriter::writeDateTime(TapeView* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    // The document counts its closing paragraph mark: an empty tape has one character.
    const bool hasEntries = tapeTextView->document()->characterCount() - 1 > 1;
    tapeTextView->append(currentDateTimeText(), colouredFormat(Colours::tapeDateLine()),
                         hasEntries);
}

void TapeWriter::setTape(const QString& label, const QString& value, bool given,
                         TapeView* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    const QTextCharFormat format =
        given ? colouredFormat(Colours::tapeGivenValue()) : QTextCharFormat();
    tapeTextView->append(label + value, format, false);
}
