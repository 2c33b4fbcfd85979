#include "core/TapeFiles.h"

#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/UserDefaults.h"

#include <QFile>
#include <QSaveFile>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextEdit>

#include <sys/xattr.h>

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

bool TapeFiles::setTapeTextViewToFile(const QString& localizedShapeName, QTextEdit* tapeTextView)
{
    if (!tapeTextView)
        return false;
    QFile file(SupportPaths::tapeFilePath(localizedShapeName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > maxTapeFileSize)
        return false;
    const QByteArray bytes = file.readAll();
    if (!RtfReader::read(bytes, *tapeTextView->document()))
        return false;
    QTextCursor end(tapeTextView->document());
    end.movePosition(QTextCursor::End);
    tapeTextView->setTextCursor(end);
    tapeTextView->ensureCursorVisible();
    return true;
}

void TapeFiles::clearTape(const QString& localizedShapeName, QTextEdit* tapeTextView)
{
    if (!tapeTextView)
        return;
    tapeTextView->setReadOnly(false);
    tapeTextView->clear();
    tapeTextView->setReadOnly(true);
    saveTape(localizedShapeName, tapeTextView);
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
