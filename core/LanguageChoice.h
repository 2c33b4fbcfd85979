#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>

// The languages the program speaks, and which one a stored choice means on this system.
// English is the language of the code's texts: it needs no translation.
enum class Language { System, English, German, French, Spanish };

class LanguageChoice {
public:
    static constexpr std::array<Language, 5> all = {
        Language::System, Language::English, Language::German, Language::French, Language::Spanish};

    // How a choice is written in the settings ("System", "en", "de", "fr", "es").
    static QString storedName(Language language);
    // A missing, unknown or damaged value is the system's language.
    static Language fromStored(const QString& stored);
    // The language's name in itself ("Deutsch"); empty for System, which the caller names.
    static QString nativeName(Language language);
    // The code of the language spoken: the choice, or for System the first of the
    // system's preferred languages that the program speaks, else English.
    static QString codeFor(Language language, const QLocale& system);
    // Every language's code, English first.
    static QStringList codes();
};
