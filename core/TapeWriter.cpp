#include "core/TapeWriter.h"

#include "core/TapeEntry.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

QString TapeWriter::currentDateTimeText()
{
    return TapeEntry::currentDateTimeText();
}

void TapeWriter::writeDateTime(TapeView* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    TapeEntry::appendDateLine(*tapeTextView->document(), currentDateTimeText());
}

void TapeWriter::setTape(const QString& label, const QString& value, bool given,
                         TapeView* tapeTextView)
{
    if (!tapeTextView || !UserDefaults().tapeDrawerOpen())
        return;
    TapeEntry::appendValueLine(*tapeTextView->document(), label, value, given);
}
