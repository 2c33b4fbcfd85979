#pragma once

#include "core/LanguageChoice.h"

#include <QString>
#include <QStringList>

// The program's translations (":/i18n/polymetra_<code>.qm", built from translations/*.ts)
// and the language in use. Installed once at launch, before any window is built.
class Translations {
public:
    // Installs the translation for `code` ("de", "fr", "es") and Qt's own for the standard
    // buttons where the system has it; English (or a code without a translation) installs
    // none, so every text shows its English key. Replaces what an earlier call installed.
    static void install(const QString& code);
    // Installs the language a choice means on this system (its locale's languages).
    static void installChosen(Language choice);
    // The code of the language in use: "en" unless a translation is installed.
    static QString active();
    // `key` as the given language writes it, whatever language is in use.
    static QString translatedIn(const QString& code, const char* key);
    // A resource in the language in use (":/de/InfoCircle.rtfd/TXT.rtf" for
    // "InfoCircle.rtfd/TXT.rtf"), else the English one (":/InfoCircle.rtfd/TXT.rtf").
    static QString localizedResource(const QString& relativePath);
};
