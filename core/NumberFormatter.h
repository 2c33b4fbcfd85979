#pragma once

#include <QChar>
#include <QString>

// Turns doubles into the texts the user sees in result fields and on the tape:
// fixed point with the chosen number of decimals, extra places for small values so
// their first significant digits survive, exponent form for the very large and very
// small, insignificant zeros trimmed, and the user's own decimal separator.
class NumberFormatter {
public:
    explicit NumberFormatter(int decimalPlaces = 2, QChar separator = QLatin1Char('.'));

    int decimalPlaces() const { return m_decimalPlaces; }
    QChar separator() const { return m_separator; }

    // "%.Pf": the printf format whose digit is the decimal-places setting.
    QString formatString() const;
    QString decimalSeparatorString() const { return QString(m_separator); }

    QString correctlyFormatTheString(double value) const;
    QString convertNumberString(const QString& fixedPointText) const;

    // A refusal's bound: "%g" (six significant digits) with the user's separator.
    QString formatBound(double value) const;

    // The process-wide formatting state, replaced at launch and when preferences are confirmed.
    static const NumberFormatter& shared();
    static void setShared(const NumberFormatter& formatter);

private:
    QString printfLocalized(const char* format, double value) const;
    QString printfFixed(int places, double value) const;

    int m_decimalPlaces;
    QChar m_separator;
};
