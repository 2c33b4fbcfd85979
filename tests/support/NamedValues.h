#pragma once

#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

// Test tables write a shape's values as "a=10 A=60 H=3": short names mapped onto the
// solver's field indices, so a row reads like the figure it describes.
namespace NamedValues {

// Values for every field, 0 (not entered) where the text does not name them.
// "nan" and "inf" are accepted for the fields that test non-finite entries.
inline std::vector<double> parse(const QString& text, const QStringList& names)
{
    std::vector<double> values(size_t(names.size()), 0.0);
    const QStringList items = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& item : items) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        const qsizetype index = names.indexOf(name);
        Q_ASSERT_X(index >= 0, "NamedValues::parse", qPrintable(item));
        values[size_t(index)] = item.section(QLatin1Char('='), 1).toDouble();
    }
    return values;
}

// The indices named in a list such as "a A H".
inline std::vector<bool> marks(const QString& text, const QStringList& names)
{
    std::vector<bool> marked(size_t(names.size()), false);
    for (const QString& name : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const qsizetype index = names.indexOf(name);
        Q_ASSERT_X(index >= 0, "NamedValues::marks", qPrintable(name));
        marked[size_t(index)] = true;
    }
    return marked;
}

// Compares the values an expectation names, each to a relative 1e-9 (tighter than any shown
// result) or, where looser, to the precision it is written with: "36.8699" must match to
// within half a unit of its last decimal. "nan" expects not a number. Returns a
// description of the first mismatch, or an empty string.
inline QString mismatch(const std::vector<double>& actual, const QString& expected,
                        const QStringList& names)
{
    for (const QString& item : expected.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString name = item.section(QLatin1Char('='), 0, 0);
        const QString text = item.section(QLatin1Char('='), 1);
        const qsizetype index = names.indexOf(name);
        if (index < 0)
            return QStringLiteral("unknown name %1").arg(name);
        const double wanted = text.toDouble();
        const QString mantissa = text.section(QLatin1Char('e'), 0, 0);
        const qsizetype point = mantissa.indexOf(QLatin1Char('.'));
        const int exponent = text.section(QLatin1Char('e'), 1).toInt();
        const double written =
            point < 0 ? 0 : 0.5 * std::pow(10.0, exponent - (mantissa.size() - point - 1));
        const double tolerance = std::max(written + 1e-12, 1e-9 * std::max(1.0, std::abs(wanted)));
        const double value = actual[size_t(index)];
        if (std::isnan(wanted) ? !std::isnan(value) : !(std::abs(value - wanted) <= tolerance))
            return QStringLiteral("%1 is %2, expected %3")
                .arg(name, QString::number(value, 'g', 17), text);
    }
    return {};
}

} // namespace NamedValues
