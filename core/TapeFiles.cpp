#include "core/TapeFiles.h"

#include "core/Localization.h"
#include "core/Notices.h"
#include "core/RegularFiles.h"
#include "core/RtfReader.h"
#include "core/SupportPaths.h"
#include "core/TapeAdoption.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QSaveFile>
#include <QTextDocument>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

QString tapePath(const QString& shape)
{
    return SupportPaths::tapeFilePath(localized(shape.toUtf8().constData()));
}

QString shapeTitle(const QString& shape)
{
    return localized(shape.toUtf8().constData());
}

QString systemError(int error)
{
    return RegularFiles::systemError(error);
}

// What tells that another program (polymetra-cli --tape) replaced a tape file since the
// view read or wrote it: the file's identity, size and modification time.
QByteArray fileStamp(const QString& path)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QByteArrayLiteral("none");
    return QByteArray::number(qulonglong(status.st_ino)) + ':' +
           QByteArray::number(qlonglong(status.st_size)) + ':' +
           QByteArray::number(qlonglong(status.st_mtim.tv_sec)) + '.' +
           QByteArray::number(qlonglong(status.st_mtim.tv_nsec));
}

} // namespace

std::optional<QByteArray> TapeFiles::readRegularFile(const QString& path, qint64 maxBytes,
                                                     QString* error, bool* missing)
{
    return RegularFiles::readRegularFile(path, maxBytes, error, missing);
}

std::optional<QString> TapeFiles::moveAside(const QString& path, QString* error)
{
    const QString stem =
        path + QStringLiteral(".unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString target =
            attempt == 1 ? stem : stem + QLatin1Char('-') + QString::number(attempt);
        if (::renameat2(AT_FDCWD, QFile::encodeName(path).constData(), AT_FDCWD,
                        QFile::encodeName(target).constData(), RENAME_NOREPLACE) == 0)
            return target;
        if (errno != EEXIST) {
            *error = systemError(errno);
            return std::nullopt;
        }
    }
    *error = localized("too many unreadable copies are kept beside it");
    return std::nullopt;
}

QString TapeFiles::adoptTape(const QString& shape, bool report)
{
    const QString path = tapePath(shape);
    const QDir folder(SupportPaths::tapesFolder());
    QStringList candidates;
    for (const QString& name : TapeAdoption::tapeFileNames(shape.toUtf8().constData()))
        candidates.append(folder.filePath(name));
    const TapeAdoption::Result result = TapeAdoption::adopt(path, candidates);
    const QString failure =
        localized("The %1 tape was found as %2 but could not be renamed to %3 (%4). It is read "
                  "from there and saved under the new name.")
            .arg(shapeTitle(shape), result.adoptedFrom, path, result.error);
    if (!result.error.isEmpty() && report)
        Notices::instance().report(lcTape(), failure);
    else if (!result.error.isEmpty())
        qCWarning(lcTape).noquote() << failure;
    else if (!result.adoptedFrom.isEmpty())
        qCInfo(lcTape).noquote() << "Renamed" << result.adoptedFrom << "to" << path;
    return result.readFrom;
}

void TapeFiles::setTapeTextViewToFile(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return;
    // A save still being written would otherwise be read half-way, or not yet.
    TapeSaver::instance().waitForPending();
    const QString path = tapePath(shape);
    const QString source = adoptTape(shape);
    if (source != path) {
        // The other language's file stays as it is; the tape is saved under its own name.
        QString reason;
        const std::optional<QByteArray> bytes = readRegularFile(source, maxTapeFileSize, &reason);
        std::unique_ptr<QTextDocument> document = TapeView::newDocument();
        if (bytes && RtfReader::looksLikeRtf(*bytes))
            RtfReader::readTape(*bytes, *document);
        tapeTextView->holdTape(shape, std::move(document));
        tapeTextView->setFileStamp(fileStamp(path));
        return;
    }
    // Taken before the read: a change while reading shows as a change at the next entry.
    const QByteArray stamp = fileStamp(path);
    QString reason;
    bool missing = false;
    std::optional<QByteArray> bytes = readRegularFile(path, maxTapeFileSize, &reason, &missing);
    if (missing) {
        tapeTextView->holdEmptyTape(shape);
        tapeTextView->setFileStamp(stamp);
        return;
    }
    if (bytes && bytes->isEmpty())
        reason = localized("it is empty");
    else if (bytes && !RtfReader::looksLikeRtf(*bytes))
        reason = localized("it is not an RTF document");
    else if (bytes) {
        // Parsed off-screen: a long tape is laid out once, when it is shown.
        tapeTextView->holdTapeFile(shape, *bytes);
        tapeTextView->setFileStamp(stamp);
        return;
    }

    QString moveError;
    if (const std::optional<QString> aside = moveAside(path, &moveError)) {
        Notices::instance().report(
            lcTape(), localized("The %1 tape could not be read (%2). It was moved to %3 and a new "
                                "tape was started.")
                          .arg(shapeTitle(shape), reason, *aside));
        tapeTextView->holdEmptyTape(shape);
        saveTape(shape, tapeTextView);
        return;
    }
    Notices::instance().report(
        lcTape(), localized("The %1 tape could not be read (%2) nor moved aside (%3). %4 is left "
                            "as it is, and this tape will not be saved.")
                      .arg(shapeTitle(shape), reason, moveError, path));
    tapeTextView->holdEmptyTape(shape, false);
    tapeTextView->setFileStamp(stamp);
}

void TapeFiles::ensureHolding(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return;
    if (tapeTextView->heldShape() != shape) {
        setTapeTextViewToFile(shape, tapeTextView);
        return;
    }
    // Entries another program added since are kept: the tape is read again before this
    // entry joins it, so saving never writes over them. A file that cannot be read now is
    // left to the save, which refuses or reports it as before. The program's own saves
    // are finished first, so that their stamps are the ones compared.
    TapeSaver::instance().waitForPending();
    const QString path = tapePath(shape);
    const QByteArray stamp = fileStamp(path);
    if (!tapeTextView->canSave() || stamp == tapeTextView->fileStamp())
        return;
    QString reason;
    const std::optional<QByteArray> bytes = readRegularFile(path, maxTapeFileSize, &reason);
    if (!bytes || !RtfReader::looksLikeRtf(*bytes))
        return;
    tapeTextView->holdTapeFile(shape, *bytes);
    tapeTextView->setFileStamp(stamp);
}

void TapeFiles::writeTapeToFile(const QString& shape, TapeView* tapeTextView)
{
    if (!UserDefaults().tapeDrawerOpen() || !tapeTextView)
        return;
    const QString path = tapePath(shape);
    if (const QString refusal = saveRefusal(shape, tapeTextView); !refusal.isEmpty()) {
        reportUnsaved(shape, path, refusal);
        return;
    }
    // The bytes of this moment go to the saver; the view may grow meanwhile.
    TapeSaver::instance().save(
        path, tapeTextView->rtfPieces(), tapeMimeType,
        [view = QPointer<TapeView>(tapeTextView), shape, path](bool saved, const QString& reason) {
            if (!saved)
                reportUnsaved(shape, path, reason);
            else if (view && view->heldShape() == shape)
                view->setFileStamp(fileStamp(path));
        });
}

QString TapeFiles::saveRefusal(const QString& shape, const TapeView* tapeTextView)
{
    if (tapeTextView->heldShape() != shape)
        return localized("the tape view holds another tape");
    if (!tapeTextView->canSave())
        return localized("its unreadable file is still in place");
    return {};
}

void TapeFiles::reportUnsaved(const QString& shape, const QString& path, const QString& reason)
{
    Notices::instance().report(lcTape(), localized("The %1 tape could not be saved to %2: %3.")
                                             .arg(shapeTitle(shape), path, reason));
}

bool TapeFiles::saveTape(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return false;
    // Saves asked earlier go first, so that this one is the last word on the file.
    TapeSaver::instance().waitForPending();
    const QString path = tapePath(shape);
    QString reason = saveRefusal(shape, tapeTextView);
    if (reason.isEmpty() &&
        RegularFiles::writeFileAtomically(path, tapeTextView->rtfPieces(), tapeMimeType, &reason)) {
        tapeTextView->setFileStamp(fileStamp(path));
        return true;
    }
    reportUnsaved(shape, path, reason);
    return false;
}

void TapeFiles::clearTape(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return;
    ensureHolding(shape, tapeTextView);
    if (!tapeTextView->canSave()) {
        saveTape(shape, tapeTextView); // reports why the file stays as it is
        return;
    }
    tapeTextView->holdEmptyTape(shape);
    saveTape(shape, tapeTextView);
}

bool TapeFiles::writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType, QString* error)
{
    return RegularFiles::writeFileAtomically(path, bytes, mimeType, error);
}
