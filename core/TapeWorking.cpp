#include "core/TapeWorking.h"

#include "core/Localization.h"
#include "core/NumberReader.h"
#include "core/TapeExport.h"
#include "core/WorkingText.h"

#include <map>

namespace {

QString tapeLabelOf(const FieldSpec& field)
{
    QString label = localized(field.tapeLabel).trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

} // namespace

QStringList TapeWorking::of(const TapeRecord& entry, const ShapeFieldTable& shape,
                            const NumberFormatter& numbers)
{
    // The k-th line with a label is the k-th field with that label: the regular polygon
    // logs its two field sets under the same labels, in field order.
    std::map<QString, int> seen;
    std::vector<double> values(shape.fields.size(), 0.0);
    bool anyGiven = false;
    for (const TapeLine& line : entry.lines) {
        const int occurrence = seen[line.label]++;
        if (!line.given)
            continue;
        size_t field = 0;
        for (int found = 0; field < shape.fields.size(); ++field) {
            if (tapeLabelOf(shape.fields[field]) == line.label && found++ == occurrence)
                break;
        }
        if (field == shape.fields.size())
            return {};
        // The tape writes numbers with the separator in use when the entry was made.
        const QString text = TapeExport::withSeparator(line.text, QLatin1Char('.'));
        const std::optional<double> value = NumberReader::readWholeText(text, QLatin1Char('.'));
        if (!value)
            return {};
        values[field] = *value;
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
