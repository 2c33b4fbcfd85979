#include "core/TapeFiles.h"

#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/UserDefaults.h"

#include <QFile>
#include <QSaveFile>
#include <QTextEdit>

#include <sys/xattr.h>

namespace {
constexpr const char* tapeMimeType = "application/x-polymetra-tape";
}

void TapeFiles::writeTapeToFile(const QString& localizedShapeName, QTextEdit* tapeTextView)
{
    if (!UserDefaults().tapeDrawerOpen())
        return;
    saveTape(localizedShapeName, tapeTextView);
}

bool TapeFiles::saveTape(const QString& localizedShapeName, QTextEdit* tapeTextView)
{
    if (!tapeTextView)
        return false;
    return writeFileAtomically(SupportPaths::tapeFilePath(localizedShapeName),
                               RtfWriter::write(*tapeTextView->document()), tapeMimeType);
}

bool TapeFiles::writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    // Best effort: file systems without user attributes simply go without.
    const QByteArray native = QFile::encodeName(path);
    ::setxattr(native.constData(), "user.mime_type", mimeType, qstrlen(mimeType), 0);
    return true;
}
