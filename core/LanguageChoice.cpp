#include "core/LanguageChoice.h"

namespace {

struct Row {
    Language language;
    const char* stored;
    const char* code;
    const char* nativeName; // UTF-8
};

constexpr std::array<Row, 5> rows = {{
    {Language::System, "System", "", ""},
    {Language::English, "en", "en", "English"},
    {Language::German, "de", "de", "Deutsch"},
    {Language::French, "fr", "fr", "Français"},
    {Language::Spanish, "es", "es", "Español"},
}};

const Row& rowOf(Language language)
{
    for (const Row& row : rows) {
        if (row.language == language)
            return row;
    }
    return rows.front();
}

} // namespace

QString LanguageChoice::storedName(Language language)
{
    return QString::fromLatin1(rowOf(language).stored);
}

Language LanguageChoice::fromStored(const QString& stored)
{
    for (const Row& row : rows) {
        if (stored == QLatin1String(row.stored))
            return row.language;
    }
    return Language::System;
}

QString LanguageChoice::nativeName(Language language)
{
    return QString::fromUtf8(rowOf(language).nativeName);
}

QString LanguageChoice::codeFor(Language language, const QLocale& system)
{
    if (language != Language::System)
        return QString::fromLatin1(rowOf(language).code);
    const QStringList spoken = codes();
    // "de-AT", "fr_CA", "C": only the language part counts.
    for (const QString& preferred : system.uiLanguages()) {
        const QString code =
            preferred.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0);
        if (spoken.contains(code))
            return code;
    }
    return QStringLiteral("en");
}

QStringList LanguageChoice::codes()
{
    QStringList list;
    for (const Row& row : rows) {
        if (*row.code)
            list.append(QString::fromLatin1(row.code));
    }
    return list;
}
