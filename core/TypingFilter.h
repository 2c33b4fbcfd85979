#pragma once

#include <QChar>
#include <QString>

// Keeps numeric entry fields free of anything but digits and one decimal separator.
// Typing is judged by the last character, as a person types at the end of the text; a
// paste or any other change of more than one character is judged as a whole.
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
    // The change from `previous` to `text`: one character typed at the end or deleted
    // goes through filter(); anything else is kept only when the whole text is a plain
    // number the field could have been typed with, and is otherwise undone.
    static Verdict judgeChange(const QString& previous, const QString& text, FieldKind kind,
                               QChar separator);
    static bool isPlainNumber(const QString& text, FieldKind kind, QChar separator);

    // At the end of editing ".5" becomes "0.5"; a lone separator is left alone.
    static QString fixLeadingSeparator(const QString& text, QChar separator);

private:
    static Verdict filterWholeNumber(const QString& text);
    static Verdict filterDecimal(const QString& text, QChar separator);
};
