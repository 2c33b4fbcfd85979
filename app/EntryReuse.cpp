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
    return TapeEntries::labelOf(calculator.fieldSpec(field));
}

bool EntryReuse::apply(const TapeRecord& entry, ShapeCalculator& calculator, QString* why)
{
    const auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    std::map<QString, int> seen;
    std::vector<std::pair<TextField*, QString>> values;
    for (const TapeLine& line : entry.lines) {
        const int occurrence = seen[line.label]++;
        if (!line.given)
            continue;
        const int field = TapeEntries::fieldOf(calculator.table(), line.label, occurrence);
        TextField* target = field < 0 ? nullptr : calculator.field(field);
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
