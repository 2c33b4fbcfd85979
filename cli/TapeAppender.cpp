#include "cli/TapeAppender.h"

#include "core/LanguageChoice.h"
#include "core/Localization.h"
#include "core/RegularFiles.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/TapeAdoption.h"
#include "core/TapeEntry.h"
#include "core/TapeFiles.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QTextDocument>

bool TapeAppender::append(const ShapeFieldTable& table, const CalculationRun::Result& result,
                          QString* error)
{
    // The app's tape: named and labelled in the language the app speaks (its preference,
    // else the system's), and taken over from another language's name as the app would.
    const QString code = LanguageChoice::codeFor(UserDefaults().language(), QLocale::system());
    const auto inAppLanguage = [&code](const char* key) {
        return Translations::translatedIn(code, key);
    };
    const QDir folder(SupportPaths::tapesFolder());
    const QString path =
        folder.filePath(inAppLanguage(table.shapeName) + QLatin1Char(' ') + inAppLanguage("Tape"));
    QStringList candidates;
    for (const QString& name : TapeAdoption::tapeFileNames(table.shapeName))
        candidates.append(folder.filePath(name));
    const QString source = TapeAdoption::adopt(path, candidates).readFrom;
    QString reason;
    bool missing = false;
    const std::optional<QByteArray> bytes =
        RegularFiles::readRegularFile(source, TapeFiles::maxTapeFileSize, &reason, &missing);
    QTextDocument tape;
    if (bytes && bytes->isEmpty())
        reason = localized("it is empty");
    else if (bytes && !RtfReader::readTape(*bytes, tape))
        reason = localized("it is not an RTF document");
    else if (bytes || missing)
        reason.clear();
    if (!reason.isEmpty()) {
        *error = localized("The %1 tape at %2 could not be read (%3); it was left as it is and "
                           "the entry was not added.")
                     .arg(localized(table.shapeName), source, reason);
        return false;
    }

    TapeEntry::appendDateLine(tape, TapeEntry::currentDateTimeText());
    for (const CalculationRun::Line& line : result.lines)
        TapeEntry::appendValueLine(tape, inAppLanguage(table.fields[size_t(line.field)].tapeLabel),
                                   line.text, line.given);
    if (!QDir().mkpath(SupportPaths::tapesFolder())) {
        *error = localized("The folder %1 could not be made.").arg(SupportPaths::tapesFolder());
        return false;
    }
    if (!RegularFiles::writeFileAtomically(path, RtfWriter::write(tape), TapeFiles::tapeMimeType,
                                           &reason)) {
        *error = localized("The %1 tape could not be saved to %2: %3.")
                     .arg(localized(table.shapeName), path, reason);
        return false;
    }
    return true;
}
