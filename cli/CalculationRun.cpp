#include "cli/CalculationRun.h"

#include "core/CalculationChecks.h"
#include "core/NumberFormatter.h"
#include "shapes2d/RegularPolygonEntry.h"
#include "shapes2d/RegularPolygonSolver.h"

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
        result.reason = refusal->reason;
        return result;
    }
    const Solution& solution = *solutionOf(outcome);
    if (const std::optional<Refusal> problem = CalculationChecks::unshowable(solution)) {
        result.refusal = oneLine(CalculationChecks::message(*problem, formatter));
        return result;
    }
    result.values = solution.values;
    result.given = solution.given;
    result.steps = solution.steps;
    result.texts.reserve(count);
    result.lines.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        result.texts.push_back(result.given[i]
                                   ? entries[i].trimmed()
                                   : formatter.correctlyFormatTheString(result.values[i]));
    }
    if (&table == &RegularPolygonSolver::fieldTable()) {
        for (const RegularPolygonEntry::Line& line :
             RegularPolygonEntry::write(result.texts, result.given, result.values))
            result.lines.push_back({line.field, result.texts[size_t(line.field)], line.given});
        return result;
    }
    for (size_t i = 0; i < count; ++i)
        result.lines.push_back({int(i), result.texts[i], result.given[i]});
    return result;
}
