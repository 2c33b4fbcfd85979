#include "core/TapeWorking.h"

#include "core/NumberReader.h"
#include "core/TapeExport.h"
#include "core/WorkingText.h"

#include <map>

QStringList TapeWorking::of(const TapeRecord& entry, const ShapeFieldTable& shape,
                            const NumberFormatter& numbers)
{
    std::map<QString, int> seen;
    std::vector<double> values(shape.fields.size(), 0.0);
    bool anyGiven = false;
    for (const TapeLine& line : entry.lines) {
        const int occurrence = seen[line.label]++;
        if (!line.given)
            continue;
        const int field = TapeEntries::fieldOf(shape, line.label, occurrence);
        if (field < 0)
            return {};
        // The tape writes numbers with the separator in use when the entry was made.
        const QString text = TapeExport::withSeparator(line.text, QLatin1Char('.'));
        const std::optional<double> value = NumberReader::readWholeText(text, QLatin1Char('.'));
        if (!value)
            return {};
        values[size_t(field)] = *value;
        anyGiven = true;
    }
    if (!anyGiven)
        return {};
    return WorkingText::plainLines(shape, WorkingText::forGiven(shape, values), numbers);
}

void TapeWorking::attach(std::vector<TapeRecord>& entries, const ShapeFieldTable& shape,
                         const NumberFormatter& numbers)
{
    for (TapeRecord& entry : entries)
        entry.working = of(entry, shape, numbers);
}
