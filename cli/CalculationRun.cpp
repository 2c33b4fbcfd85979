#include "cli/CalculationRun.h"

#include "core/CalculationChecks.h"
#include "core/NumberFormatter.h"
#include "shapes2d/RegularPolygonNames.h"
#include "shapes2d/RegularPolygonSolver.h"

namespace {

using Result = CalculationRun::Result;
using Polygon = RegularPolygonSolver;

void writeStandard(const ShapeFieldTable& table, Result& result)
{
    for (size_t i = 0; i < table.fields.size(); ++i)
        result.lines.push_back({int(i), result.texts[i], result.given[i]});
}

// The regular polygon writes as its calculator does: the count as the whole number used,
// a measure whose twin in the other set was given shows the twin's text, only the set
// entered in is logged, and the polygon's name ends the entry.
void writePolygon(Result& result, const std::vector<QString>& entries)
{
    const quint64 sides = quint64(result.values[Polygon::Sides]);
    result.texts[Polygon::Sides] = QString::number(sides);
    result.lines.push_back({Polygon::Sides, result.texts[Polygon::Sides], true});
    bool graphic = false;
    for (Polygon::Field f : Polygon::graphicMeasures)
        graphic = graphic || result.given[f];
    for (int m = 0; m < Polygon::measureCount; ++m) {
        const int table = Polygon::tableMeasures[m];
        const int pentagon = Polygon::graphicMeasures[m];
        if (result.given[size_t(table)])
            result.texts[size_t(pentagon)] = entries[size_t(table)].trimmed();
        if (result.given[size_t(pentagon)])
            result.texts[size_t(table)] = entries[size_t(pentagon)].trimmed();
    }
    for (int m = 0; m < Polygon::measureCount; ++m) {
        const int own = graphic ? Polygon::graphicMeasures[m] : Polygon::tableMeasures[m];
        const int twin = graphic ? Polygon::tableMeasures[m] : Polygon::graphicMeasures[m];
        if (result.given[size_t(own)] || !result.given[size_t(twin)])
            result.lines.push_back({own, result.texts[size_t(own)], result.given[size_t(own)]});
    }
    result.texts[Polygon::Name] = RegularPolygonNames::name(sides);
    if (!result.texts[Polygon::Name].isEmpty())
        result.lines.push_back({Polygon::Name, result.texts[Polygon::Name], false});
}

} // namespace

QString CalculationRun::oneLine(QString message)
{
    message.replace(QLatin1Char('\r'), QLatin1Char(' '));
    message.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return message;
}

CalculationRun::Result CalculationRun::run(const ShapeFieldTable& table,
                                           const std::vector<QString>& entries,
                                           const NumberFormatter& formatter)
{
    Result result;
    const size_t count = table.fields.size();
    std::vector<double> values(count, 0.0);
    for (size_t i = 0; i < count; ++i) {
        const FieldSpec& field = table.fields[i];
        if (field.role == FieldRole::OutputOnly || entries[i].trimmed().isEmpty())
            continue;
        const CalculationChecks::Reading reading =
            CalculationChecks::readEntry(entries[i], field.tag, formatter.separator());
        if (reading.problem) {
            result.refusal =
                oneLine(CalculationChecks::entryRefusal(reading.problem, field.formLabel));
            return result;
        }
        values[i] = *reading.value;
    }
    const SolveOutcome outcome = table.solve(values);
    if (const Refusal* refusal = refusalOf(outcome)) {
        result.refusal = oneLine(CalculationChecks::message(*refusal, formatter));
        return result;
    }
    const Solution& solution = *solutionOf(outcome);
    if (const std::optional<Refusal> problem = CalculationChecks::unshowable(solution)) {
        result.refusal = oneLine(CalculationChecks::message(*problem, formatter));
        return result;
    }
    result.values = solution.values;
    result.given = solution.given;
    result.texts.reserve(count);
    result.lines.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        result.texts.push_back(result.given[i]
                                   ? entries[i].trimmed()
                                   : formatter.correctlyFormatTheString(result.values[i]));
    }
    if (&table == &Polygon::fieldTable())
        writePolygon(result, entries);
    else
        writeStandard(table, result);
    return result;
}
