#include "core/NumberFormatter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double exponentThreshold = 1e16;
constexpr int maxLeadingZerosInFixedForm = 5;
constexpr int maxDecimalsForSmallValues = 8;

NumberFormatter& sharedInstance()
{
    static NumberFormatter formatter;
    return formatter;
}

} // namespace

NumberFormatter::NumberFormatter(int decimalPlaces, QChar separator)
    : m_decimalPlaces(std::clamp(decimalPlaces, 0, 9)), m_separator(separator)
{
}

QString NumberFormatter::formatString() const
{
    return QStringLiteral("%.%1f").arg(m_decimalPlaces);
}

QString NumberFormatter::printfLocalized(const char* format, double value) const
{
    // Formatting happens in the C locale and the point is then swapped for the user's
    // separator, so the result never depends on the process's C locale.
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    QString text = QString::fromLatin1(buffer);
    if (m_separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), m_separator);
    return text;
}

QString NumberFormatter::printfFixed(int places, double value) const
{
    char format[8];
    std::snprintf(format, sizeof format, "%%.%df", places);
    return printfLocalized(format, value);
}

QString NumberFormatter::correctlyFormatTheString(double value) const
{
    if (value >= 1 || std::isnan(value)) {
        if (value > exponentThreshold)
            return printfLocalized("%.2e", value);
        return convertNumberString(printfFixed(m_decimalPlaces, value));
    }

    // Below 1 (zero and negatives included): look at the zeros right after "0.".
    const QString digits = printfFixed(15, value).mid(2);
    int leadingZeros = 0;
    while (leadingZeros < digits.size() && digits.at(leadingZeros) == QLatin1Char('0'))
        ++leadingZeros;
    if (leadingZeros > maxLeadingZerosInFixedForm)
        return printfLocalized("%.2e", value);

    const int places = std::min(leadingZeros + m_decimalPlaces, maxDecimalsForSmallValues);
    return convertNumberString(printfFixed(places, value));
}

QString NumberFormatter::convertNumberString(const QString& fixedPointText) const
{
    QString text = fixedPointText;
    // Without decimals there is nothing insignificant to trim: 100 must stay 100.
    if (m_decimalPlaces != 0) {
        qsizetype first = 0;
        while (first < text.size() && text.at(first) == QLatin1Char('0'))
            ++first;
        qsizetype last = text.size();
        while (last > first && text.at(last - 1) == QLatin1Char('0'))
            --last;
        text = text.mid(first, last - first);
    }
    if (!text.isEmpty() && text.back() == m_separator)
        text.chop(1);
    if (!text.isEmpty() && text.front() == m_separator)
        text.prepend(QLatin1Char('0'));
    return text;
}

QString NumberFormatter::formatBound(double value) const
{
    return printfLocalized("%g", value);
}

const NumberFormatter& NumberFormatter::shared()
{
    return sharedInstance();
}

void NumberFormatter::setShared(const NumberFormatter& formatter)
{
    sharedInstance() = formatter;
}
