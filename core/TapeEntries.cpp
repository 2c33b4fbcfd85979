#include "core/TapeEntries.h"

#include "core/Colours.h"
#include "core/Localization.h"
#include "core/RtfReader.h"
#include "core/ShapeFieldTable.h"

#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

namespace {

struct LineBuilder {
    QString text;
    bool given = false;
};

// The tape marks a given value by its colour alone; a file edited elsewhere may have
// changed the shade slightly, so any blue run counts.
bool isGivenColour(const QTextCharFormat& format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return false;
    const QColor colour = format.foreground().color();
    if (colour == Colours::tapeGivenValue())
        return true;
    return colour.blue() > 160 && colour.blue() - colour.red() > 80;
}

void finishLine(LineBuilder& line, TapeRecord& entry, std::vector<TapeRecord>& entries, int block)
{
    const QString text = line.text.trimmed();
    const bool given = line.given;
    line = {};
    if (text.isEmpty()) {
        // An empty line ends the entry.
        if (!entry.date.isEmpty() || !entry.lines.empty())
            entries.push_back(std::exchange(entry, TapeRecord{}));
        entry.firstBlock = block;
        return;
    }
    if (entry.date.isEmpty() && entry.lines.empty()) {
        entry.firstBlock = block;
        if (!text.contains(QLatin1String(": "))) {
            entry.date = text;
            entry.lastBlock = block;
            return;
        }
    }
    const qsizetype colon = text.lastIndexOf(QLatin1String(": "));
    TapeLine parsed;
    parsed.label = colon < 0 ? QString() : text.left(colon).trimmed();
    parsed.text = colon < 0 ? text : text.mid(colon + 2).trimmed();
    parsed.given = given;
    entry.lines.push_back(parsed);
    entry.lastBlock = block;
}

} // namespace

std::vector<TapeRecord> TapeEntries::read(const QTextDocument& document)
{
    std::vector<TapeRecord> entries;
    TapeRecord entry;
    LineBuilder line;
    int index = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++index) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool given = isGivenColour(fragment.charFormat());
            for (const QChar c : fragment.text()) {
                if (RtfReader::isBreak(c)) {
                    finishLine(line, entry, entries, index);
                    continue;
                }
                line.text += c;
                // The label before the value is never blue; the value decides.
                if (given && !c.isSpace())
                    line.given = true;
            }
        }
        finishLine(line, entry, entries, index);
        // A paragraph mark after an empty line starts the next entry; one after a
        // value (a tape written one paragraph per line) does not.
    }
    if (!entry.date.isEmpty() || !entry.lines.empty())
        entries.push_back(entry);
    return entries;
}

QStringList TapeEntries::labels(const std::vector<TapeRecord>& entries)
{
    QStringList labels;
    for (const TapeRecord& entry : entries) {
        for (const TapeLine& line : entry.lines) {
            if (!labels.contains(line.label))
                labels.append(line.label);
        }
    }
    return labels;
}

QString TapeEntries::labelOf(const FieldSpec& field)
{
    QString label = localized(field.tapeLabel).trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

int TapeEntries::fieldOf(const ShapeFieldTable& shape, const QString& label, int occurrence)
{
    for (size_t i = 0, found = 0; i < shape.fields.size(); ++i) {
        if (labelOf(shape.fields[i]) == label && int(found++) == occurrence)
            return int(i);
    }
    return -1;
}
