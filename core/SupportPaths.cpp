#include "core/SupportPaths.h"

#include "core/Localization.h"

#include <QDir>
#include <QStandardPaths>

QString SupportPaths::supportFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Polymetra"));
}

QString SupportPaths::tapesFolder()
{
    return QDir(supportFolder()).filePath(QStringLiteral("Tapes"));
}

QString SupportPaths::metadataFolder()
{
    return QDir(supportFolder()).filePath(QStringLiteral("Metadata"));
}

QString SupportPaths::tapeFileName(const QString& localizedShapeName)
{
    return localizedShapeName + QLatin1Char(' ') + localized("Tape");
}

QString SupportPaths::tapeFilePath(const QString& localizedShapeName)
{
    return QDir(tapesFolder()).filePath(tapeFileName(localizedShapeName));
}
