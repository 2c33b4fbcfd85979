#include "core/Translations.h"

#include "core/Localization.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <map>
#include <memory>

namespace {

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed state;
    return state;
}

QString qmPath(const QString& code)
{
    return QStringLiteral(":/i18n/polymetra_%1.qm").arg(code);
}

// Loaded once per language, never installed: for names in other languages.
const QTranslator* lookupTranslator(const QString& code)
{
    static std::map<QString, std::unique_ptr<QTranslator>> loaded;
    auto it = loaded.find(code);
    if (it == loaded.end()) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(qmPath(code)))
            translator.reset();
        it = loaded.emplace(code, std::move(translator)).first;
    }
    return it->second.get();
}

} // namespace

void Translations::install(const QString& code)
{
    Installed& state = installed();
    if (state.program)
        QCoreApplication::removeTranslator(state.program.get());
    if (state.qt)
        QCoreApplication::removeTranslator(state.qt.get());
    state = Installed{};
    if (code == QLatin1String("en"))
        return;
    auto program = std::make_unique<QTranslator>();
    if (!program->load(qmPath(code)) || !QCoreApplication::installTranslator(program.get()))
        return;
    state.program = std::move(program);
    state.code = code;
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(qt.get()))
        state.qt = std::move(qt);
}

void Translations::installChosen(Language choice)
{
    install(LanguageChoice::codeFor(choice, QLocale::system()));
}

QString Translations::active()
{
    return installed().code;
}

QString Translations::translatedIn(const QString& code, const char* key)
{
    if (code != QLatin1String("en")) {
        if (const QTranslator* translator = lookupTranslator(code)) {
            const QString text = translator->translate(translationContext, key);
            if (!text.isEmpty())
                return text;
        }
    }
    return QString::fromUtf8(key);
}

QString Translations::localizedResource(const QString& relativePath)
{
    const QString translated = QStringLiteral(":/%1/%2").arg(active(), relativePath);
    if (active() != QLatin1String("en") && QFile::exists(translated))
        return translated;
    return QStringLiteral(":/") + relativePath;
}
