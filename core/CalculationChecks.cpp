#include "core/CalculationChecks.h"

#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/NumberReader.h"
#include "core/TypingFilter.h"

#include <cmath>

namespace {

// Whole numbers above 2^53 are not all held exactly by a double: such a count would be
// calculated, and written back, as a neighbouring number.
constexpr double largestExactWholeNumber = 9007199254740992.0;

} // namespace

CalculationChecks::Reading CalculationChecks::readEntry(const QString& text, int tag,
                                                        QChar separator)
{
    const std::optional<double> value = NumberReader::readWholeText(text, separator);
    if (!value || !std::isfinite(*value) || *value < 0)
        return {std::nullopt, unusableFieldMessage};
    if (tag == TypingFilter::wholeNumberTag && *value > largestExactWholeNumber)
        return {std::nullopt, inexactCountMessage};
    return {value, nullptr};
}

QString CalculationChecks::entryRefusal(const char* problem, const char* formLabel)
{
    return localized(problem).arg(fieldName(formLabel));
}

std::optional<Refusal> CalculationChecks::unshowable(const Solution& solution)
{
    for (const double value : solution.values) {
        if (!std::isfinite(value))
            return Refusal{resultTooLargeMessage, std::nullopt};
        if (value < 0)
            return Refusal{noShapeMessage, std::nullopt};
    }
    return std::nullopt;
}

QString CalculationChecks::message(const Refusal& refusal, const NumberFormatter& formatter)
{
    // A bound that overflowed would read "inf" in the message.
    if (refusal.bound && !std::isfinite(*refusal.bound))
        return localized(resultTooLargeMessage);
    QString text = localized(refusal.messageKey);
    if (refusal.bound)
        text.replace(QLatin1String("%@"), formatter.formatBound(*refusal.bound));
    return text;
}

QString CalculationChecks::fieldName(const char* formLabel)
{
    QString name = localized(formLabel).trimmed();
    while (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.trimmed();
}
