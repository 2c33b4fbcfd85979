#include "core/WorkingText.h"

#include "core/CalculationChecks.h"
#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/QuantityKind.h"

namespace {

const QString degreeSign = QStringLiteral("°");

// A bound number is wrapped in brackets where a sign or exponent form would read as part
// of the formula around it.
QString boundText(double value, const NumberFormatter& numbers)
{
    const QString text = numbers.correctlyFormatTheString(value);
    return value < 0 || text.contains(QLatin1Char('e')) ? QLatin1Char('(') + text + QLatin1Char(')')
                                                        : text;
}

// The template with each "{name}" replaced: by the bare name, or by its bound number.
QString filled(const QString& pattern, const WorkingStep& step, const NumberFormatter* numbers)
{
    QString text;
    qsizetype at = 0;
    while (at < pattern.size()) {
        const qsizetype open = pattern.indexOf(QLatin1Char('{'), at);
        const qsizetype close = open < 0 ? -1 : pattern.indexOf(QLatin1Char('}'), open);
        if (close < 0) {
            text += pattern.mid(at);
            break;
        }
        text += pattern.mid(at, open - at);
        QString name = pattern.mid(open + 1, close - open - 1);
        // "{X°}" is an angle: its number is written in degrees, its name as it stands.
        const bool degrees = name.endsWith(degreeSign);
        if (degrees)
            name.chop(1);
        QString replacement = name;
        for (const WorkingBinding& binding : step.bound) {
            if (name != QString::fromUtf8(binding.name))
                continue;
            if (numbers)
                replacement =
                    boundText(binding.value, *numbers) + (degrees ? degreeSign : QString());
            else if (binding.shown)
                replacement = QString::fromUtf8(binding.shown);
        }
        text += replacement;
        at = close + 1;
    }
    return text;
}

} // namespace

bool WorkingText::findsAngle(const ShapeFieldTable& shape, const WorkingStep& step)
{
    return step.target >= 0 && size_t(step.target) < shape.fields.size() &&
           QuantityKinds::ofOutlet(QLatin1String(shape.fields[size_t(step.target)].outlet)) ==
               QuantityKind::Angle;
}

WorkingText::Parts WorkingText::parts(const WorkingStep& step, const NumberFormatter& numbers,
                                      bool angle)
{
    const QString pattern = localized(step.formula);
    if (step.target < 0)
        return {filled(pattern, step, &numbers), {}, {}};
    return {QString::fromUtf8(step.symbol) + QStringLiteral(" = ") + filled(pattern, step, nullptr),
            filled(pattern, step, &numbers),
            numbers.correctlyFormatTheString(step.result) + (angle ? degreeSign : QString())};
}

QString WorkingText::plainLine(const WorkingStep& step, const NumberFormatter& numbers, bool angle)
{
    const Parts p = parts(step, numbers, angle);
    if (p.result.isEmpty())
        return p.formula;
    // A formula that is a single number already says all its substitution would.
    if (p.substituted == p.result)
        return p.formula + QStringLiteral(" = ") + p.result;
    return p.formula + QStringLiteral(" = ") + p.substituted + QStringLiteral(" = ") + p.result;
}

QStringList WorkingText::plainLines(const ShapeFieldTable& shape, const SolveOutcome& outcome,
                                    const NumberFormatter& numbers)
{
    QStringList lines;
    if (const Refusal* refusal = refusalOf(outcome)) {
        if (refusal->reason)
            lines << plainLine(*refusal->reason, numbers);
        return lines;
    }
    const Solution& solution = *solutionOf(outcome);
    QStringList given;
    for (size_t i = 0; i < solution.given.size() && i < shape.fields.size(); ++i) {
        if (!solution.given[i])
            continue;
        const bool angle =
            QuantityKinds::ofOutlet(QLatin1String(shape.fields[i].outlet)) == QuantityKind::Angle;
        given << CalculationChecks::fieldName(shape.fields[i].formLabel) + QStringLiteral(" = ") +
                     numbers.correctlyFormatTheString(solution.values[i]) +
                     (angle ? degreeSign : QString());
    }
    const QString givenText = given.join(QStringLiteral(", "));
    lines << (solution.caseName
                  ? localized("Given: %1 → %2").arg(givenText, localized(solution.caseName))
                  : localized("Given: %1").arg(givenText));
    for (const WorkingStep& step : solution.steps)
        lines << plainLine(step, numbers, findsAngle(shape, step));
    return lines;
}

QString WorkingText::richText(const ShapeFieldTable& shape, const SolveOutcome& outcome,
                              const NumberFormatter& numbers)
{
    // Every piece is escaped: the texts are the solvers' and the formatter's, but markup is
    // never built from text that was not escaped.
    QString html;
    const QStringList lines = plainLines(shape, outcome, numbers);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].toHtmlEscaped();
        const bool heading = i == 0 && solutionOf(outcome);
        html += QStringLiteral("<p style=\"margin:3px 0\">") +
                (heading ? QStringLiteral("<i>") + line + QStringLiteral("</i>") : line) +
                QStringLiteral("</p>");
    }
    return html;
}

SolveOutcome WorkingText::forGiven(const ShapeFieldTable& shape, const std::vector<double>& values)
{
    std::vector<double> readings = values;
    readings.resize(shape.fields.size(), 0.0);
    return shape.solve(readings);
}
