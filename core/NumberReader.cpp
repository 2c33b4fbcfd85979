#include "core/NumberReader.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool startsWithWord(QStringView text, qsizetype at, QLatin1String word)
{
    return text.mid(at).startsWith(word, Qt::CaseInsensitive);
}

} // namespace

double NumberReader::readLeadingNumber(QStringView text, QChar separator)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i).isSpace())
        ++i;

    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('-') || text.at(i) == QLatin1Char('+'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    const double sign = negative ? -1.0 : 1.0;
    if (startsWithWord(text, i, QLatin1String("nan")))
        return std::numeric_limits<double>::quiet_NaN();
    if (startsWithWord(text, i, QLatin1String("inf")))
        return sign * std::numeric_limits<double>::infinity();

    // Copy the longest numeric prefix into a plain C string with "." as the point.
    std::string plain = negative ? "-" : "";
    bool sawDigit = false;
    while (i < text.size() && isDigit(text.at(i))) {
        plain += char(text.at(i).unicode());
        sawDigit = true;
        ++i;
    }
    if (i < text.size() && (text.at(i) == separator || text.at(i) == QLatin1Char('.'))) {
        plain += '.';
        ++i;
        while (i < text.size() && isDigit(text.at(i))) {
            plain += char(text.at(i).unicode());
            sawDigit = true;
            ++i;
        }
    }
    if (!sawDigit)
        return 0.0;
    if (i + 1 < text.size() && (text.at(i) == QLatin1Char('e') || text.at(i) == QLatin1Char('E'))) {
        std::string exponent = "e";
        qsizetype j = i + 1;
        if (text.at(j) == QLatin1Char('-') || text.at(j) == QLatin1Char('+'))
            exponent += char(text.at(j++).unicode());
        bool exponentDigits = false;
        while (j < text.size() && isDigit(text.at(j)) && exponent.size() < 12) {
            exponent += char(text.at(j++).unicode());
            exponentDigits = true;
        }
        if (exponentDigits)
            plain += exponent;
    }

    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return plain.find('e') != std::string::npos && plain.find("e-") != std::string::npos
                   ? 0.0 * sign
                   : sign * std::numeric_limits<double>::infinity();
    return value;
}

std::optional<double> NumberReader::readWholeText(QStringView text, QChar separator)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    qsizetype i = 0;
    bool sawDigit = false;
    const auto skipDigits = [&] {
        while (i < trimmed.size() && isDigit(trimmed.at(i))) {
            sawDigit = true;
            ++i;
        }
    };
    skipDigits();
    if (i < trimmed.size() && (trimmed.at(i) == separator || trimmed.at(i) == QLatin1Char('.'))) {
        ++i;
        skipDigits();
    }
    if (!sawDigit)
        return std::nullopt;
    if (i < trimmed.size() &&
        (trimmed.at(i) == QLatin1Char('e') || trimmed.at(i) == QLatin1Char('E'))) {
        ++i;
        if (i < trimmed.size() &&
            (trimmed.at(i) == QLatin1Char('-') || trimmed.at(i) == QLatin1Char('+')))
            ++i;
        const qsizetype exponentStart = i;
        while (i < trimmed.size() && isDigit(trimmed.at(i)))
            ++i;
        if (i == exponentStart)
            return std::nullopt;
    }
    if (i != trimmed.size())
        return std::nullopt;
    return readLeadingNumber(trimmed, separator);
}
