#include "app/SupportFiles.h"

#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/SupportPaths.h"
#include "core/TapeFiles.h"
#include "core/UserDefaults.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray resourceBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void SupportFiles::awakeFromNib()
{
    NotificationCenter::defaultCenter().addObserver(this, Notifications::writeTapeSupportFiles,
                                                    [this](QObject*) { writeTapeSupportFiles(); });
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
    QDir().mkpath(SupportPaths::tapesFolder());
    const QByteArray emptyTape = resourceBytes(QStringLiteral(":/Tapes.rtf"));
    if (emptyTape.isEmpty())
        return;
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        const QString path = SupportPaths::tapeFilePath(localized(shape.name));
        if (!QFile::exists(path))
            TapeFiles::writeFileAtomically(path, emptyTape, TapeFiles::tapeMimeType);
    }
}

void SupportFiles::writeSpotlightSupportFiles()
{
    UserDefaults defaults;
    const bool refresh = defaults.integerForKey(DefaultsKeys::metaVersion) < metaVersion;
    const QDir folder(SupportPaths::metadataFolder());
    QDir().mkpath(folder.path());

    auto copy = [&](const QString& resource, const QString& fileName) {
        const QString path = folder.filePath(fileName);
        if (!refresh && QFile::exists(path))
            return;
        const QByteArray bytes = resourceBytes(resource);
        if (!bytes.isEmpty())
            TapeFiles::writeFileAtomically(path, bytes, TapeFiles::infoMimeType);
    };
    for (const ShapeEntry& shape : ShapeCatalog::shapes()) {
        copy(QStringLiteral(":/%1.rtfd/TXT.rtf").arg(QLatin1String(shape.infoResource)),
             QStringLiteral("Polymetra ") + localized(shape.name));
    }
    copy(QStringLiteral(":/Polymetra Metadata.rtf"), QStringLiteral("Polymetra"));
    defaults.setInteger(DefaultsKeys::metaVersion, metaVersion);
}
