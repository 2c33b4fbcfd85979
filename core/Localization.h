#pragma once

#include <QCoreApplication>
#include <QString>

// Every user-visible text is looked up with its English text as the key; a key that
// has no translation shows itself. Tables of keys mark them with QT_TRANSLATE_NOOP.
inline constexpr const char* translationContext = "Polymetra";

inline QString localized(const char* englishKey)
{
    return QCoreApplication::translate(translationContext, englishKey);
}
