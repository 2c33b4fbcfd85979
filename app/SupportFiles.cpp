#include "app/SupportFiles.h"

#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/SupportPaths.h"
#include "core/TapeFiles.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Anything at the path counts, a dangling link included: it is not ours to replace.
bool somethingAt(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

// The files of one pass that could not be written, told to the user in one message.
class WriteFailures {
public:
    void add(const QString& path, const QString& reason)
    {
        if (m_count++ == 0)
            m_first = localized("%1 (%2)").arg(path, reason);
    }
    bool any() const { return m_count > 0; }
    void report() const
    {
        if (m_count == 1)
            Notices::instance().report(
                lcFiles(), localized("A support file could not be written: %1.").arg(m_first));
        else if (m_count > 1)
            Notices::instance().report(
                lcFiles(), localized("%1 support files could not be written, the first: %2.")
                               .arg(m_count)
                               .arg(m_first));
    }

private:
    int m_count = 0;
    QString m_first;
};

bool makeFolder(const QString& path, WriteFailures& failures)
{
    if (QDir().mkpath(path))
        return true;
    failures.add(path, localized("the folder could not be created"));
    return false;
}

} // namespace

void SupportFiles::awakeFromNib()
{
    connect(&NotificationHub::instance(), &NotificationHub::writeTapeSupportFiles, this,
            &SupportFiles::writeTapeSupportFiles);
    writeSupportFiles();
}

void SupportFiles::writeSupportFiles()
{
    writeTapeSupportFiles();
    // The desktop's search indexes the data folder wherever it runs, so the metadata
    // files are always written.
    writeSpotlightSupportFiles();
}

void SupportFiles::writeTapeSupportFiles()
{
    WriteFailures failures;
    const QByteArray emptyTape = resourceBytes(QStringLiteral(":/Tapes.rtf"));
    if (makeFolder(SupportPaths::tapesFolder(), failures) && !emptyTape.isEmpty()) {
        for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
            const QString path = SupportPaths::tapeFilePath(localized(shape.name));
            // A tape kept under another language's name is the shape's tape: taken over,
            // or (when it cannot be renamed) left to be read where it is, never covered
            // by an empty one.
            if (TapeFiles::adoptTape(QString::fromLatin1(shape.name), false) != path)
                continue;
            QString reason;
            if (!somethingAt(path) &&
                !TapeFiles::writeFileAtomically(path, emptyTape, TapeFiles::tapeMimeType, &reason))
                failures.add(path, reason);
        }
    }
    failures.report();
}

void SupportFiles::writeSpotlightSupportFiles()
{
    UserDefaults defaults;
    const bool refresh = defaults.integerForKey(DefaultsKeys::metaVersion) < metaVersion;
    const QDir folder(SupportPaths::metadataFolder());
    WriteFailures failures;
    if (!makeFolder(folder.path(), failures)) {
        failures.report();
        return;
    }

    auto copy = [&](const QString& resource, const QString& fileName) {
        const QString path = folder.filePath(fileName);
        if (!refresh && somethingAt(path))
            return;
        const QByteArray bytes = resourceBytes(resource);
        QString reason;
        if (!TapeFiles::writeFileAtomically(path, bytes, TapeFiles::infoMimeType, &reason))
            failures.add(path, reason);
    };
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        copy(Translations::localizedResource(
                 QStringLiteral("%1.rtfd/TXT.rtf").arg(QLatin1String(shape.infoResource))),
             QStringLiteral("Polymetra ") + localized(shape.name));
    }
    copy(QStringLiteral(":/Polymetra Metadata.rtf"), QStringLiteral("Polymetra"));
    failures.report();
    // Raised only when every file is in place, so that the next launch tries again.
    if (!failures.any())
        defaults.setInteger(DefaultsKeys::metaVersion, metaVersion);
}
