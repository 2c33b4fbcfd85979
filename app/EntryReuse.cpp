#include "app/EntryReuse.h"

#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeEntries.h"
#include "core/TapeExport.h"
#include "core/TextField.h"

#include <map>

QString EntryReuse::tapeLabelOf(const ShapeCalculator& calculator, int field)
{
    QString label = localized(calculator.fieldSpec(field).tapeLabel).trimmed();
    if (label.endsWith(QLatin1Char(':')))
        label.chop(1);
    return label.trimmed();
}

bool EntryReuse::apply(const TapeRecord& entry, ShapeCalculator& calculator, QString* why)
{
    const auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    // The k-th line with a label goes to the k-th field with that label: the regular
    // polygon logs its two field sets under the same labels, in field order.
    std::map<QString, int> seen;
    std::vector<std::pair<TextField*, QString>> values;
    for (const TapeLine& line : entry.lines) {
        const int occurrence = seen[line.label]++;
        if (!line.given)
            continue;
        TextField* target = nullptr;
        for (int i = 0, found = 0; i < calculator.fieldCount() && !target; ++i) {
            if (tapeLabelOf(calculator, i) == line.label && found++ == occurrence)
                target = calculator.field(i);
        }
        if (!target || target->isOutputOnly())
            return fail(localized("The entry's value \"%1\" matches no field of the %2 calculator.")
                            .arg(line.label, localized(calculator.shapeName())));
        values.emplace_back(
            target, TapeExport::withSeparator(line.text, NumberFormatter::shared().separator()));
    }
    if (values.empty())
        return fail(localized("The entry has no given values to use."));
    calculator.clearFields(false);
    for (const auto& [field, text] : values)
        field->setText(text);
    return true;
}
