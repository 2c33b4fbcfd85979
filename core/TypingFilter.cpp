#include "core/TypingFilter.h"

#include "core/NumberReader.h"

namespace {

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

TypingFilter::Verdict accept(const QString& text)
{
    return {text, false};
}

TypingFilter::Verdict dropLast(const QString& text)
{
    return {text.left(text.size() - 1), true};
}

// One character typed at the end, or one deleted anywhere: the keystrokes the
// last-character rule was made for.
bool isSingleKeystroke(const QString& previous, const QString& text)
{
    if (text.size() == previous.size() + 1)
        return text.startsWith(previous);
    if (text.size() + 1 != previous.size())
        return false;
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == previous.at(i))
        ++i;
    return QStringView(text).mid(i) == QStringView(previous).mid(i + 1);
}

} // namespace

TypingFilter::Verdict TypingFilter::judgeChange(const QString& previous, const QString& text,
                                                FieldKind kind, QChar separator)
{
    if (isSingleKeystroke(previous, text))
        return filter(text, kind, separator);
    if (text.isEmpty() || isPlainNumber(text, kind, separator))
        return accept(text);
    return {previous, true};
}

bool TypingFilter::isPlainNumber(const QString& text, FieldKind kind, QChar separator)
{
    int digits = 0;
    int separators = 0;
    for (const QChar c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == separator && kind == FieldKind::Decimal)
            ++separators;
        else
            return false;
    }
    if (digits == 0 || digits > maxDigits || separators > 1)
        return false;
    return kind == FieldKind::Decimal || text.front() != QLatin1Char('0');
}

TypingFilter::Verdict TypingFilter::filter(const QString& text, FieldKind kind, QChar separator)
{
    return kind == FieldKind::WholeNumber ? filterWholeNumber(text)
                                          : filterDecimal(text, separator);
}

TypingFilter::Verdict TypingFilter::filterWholeNumber(const QString& text)
{
    const qsizetype length = text.size();
    if (length == 0)
        return accept(text);
    const QChar last = text.back();
    if (length == 1) {
        if (last >= QLatin1Char('1') && last <= QLatin1Char('9'))
            return accept(text);
        return {QString(), true};
    }
    if (isDigit(last) && length <= maxDigits)
        return accept(text);
    return dropLast(text);
}

TypingFilter::Verdict TypingFilter::filterDecimal(const QString& text, QChar separator)
{
    const qsizetype length = text.size();
    if (length == 0)
        return accept(text);
    const QChar last = text.back();
    const qsizetype digitPlaces = text.contains(separator) ? length - 1 : length;

    if (isDigit(last) && digitPlaces <= maxDigits) {
        // A leading zero may be followed only by the separator.
        if (length == 2 && text.front() == QLatin1Char('0'))
            return dropLast(text);
        return accept(text);
    }
    if (last == separator) {
        if (text.left(length - 1).contains(separator))
            return dropLast(text);
        return accept(text);
    }
    if (NumberReader::readLeadingNumber(text, separator) < 0)
        return {QString(), true};
    return dropLast(text);
}

QString TypingFilter::fixLeadingSeparator(const QString& text, QChar separator)
{
    if (text.size() >= 2 && text.front() == separator)
        return QLatin1Char('0') + text;
    return text;
}
