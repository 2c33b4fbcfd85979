#pragma once

#include <QChar>
#include <QString>

// Keeps numeric entry fields free of anything but digits and one decimal separator.
// Only the last character is judged: the filter governs typing at the end of the text.
class TypingFilter {
public:
    enum class FieldKind { Decimal, WholeNumber };

    struct Verdict {
        QString text;  // the field's text after the filter
        bool rejected; // true: the keystroke was undone and the beep sounds
    };

    static constexpr int wholeNumberTag = 10;
    static constexpr int decimalPlacesTag = 20;
    static constexpr int maxDigits = 16;

    static Verdict filter(const QString& text, FieldKind kind, QChar separator);

    // At the end of editing ".5" becomes "0.5"; a lone separator is left alone.
    static QString fixLeadingSeparator(const QString& text, QChar separator);

private:
    static Verdict filterWholeNumber(const QString& text);
    static Verdict filterDecimal(const QString& text, QChar separator);
};
