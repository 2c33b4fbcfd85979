#include "core/TapeFiles.h"

#include "core/Localization.h"
#include "core/Notices.h"
#include "core/RtfReader.h"
#include "core/SupportPaths.h"
#include "core/TapeView.h"
#include "core/UserDefaults.h"

#include <QDate>
#include <QFile>
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
    return qt_error_string(error);
}

// True when nothing, or a regular file, is at `path`; a link, folder or device is never
// replaced, since replacing a link would write wherever it points.
bool replaceable(const QString& path, QString* error)
{
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT;
    if (S_ISREG(status.st_mode))
        return true;
    if (error)
        *error = localized("it is not a regular file");
    return false;
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

std::optional<QByteArray> TapeFiles::readRegularFile(const QString& path, qint64 maxBytes,
                                                     QString* error, bool* missing)
{
    if (missing)
        *missing = false;
    // No link is followed and a FIFO cannot block the open; the type is checked on the
    // open file, so it cannot be swapped between a check and the read.
    const FileDescriptor file(::open(QFile::encodeName(path).constData(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
    if (file.get() < 0) {
        const int reason = errno;
        if (missing)
            *missing = reason == ENOENT;
        *error = reason == ELOOP ? localized("it is not a regular file") : systemError(reason);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        *error = systemError(errno);
        return std::nullopt;
    }
    if (!S_ISREG(status.st_mode)) {
        *error = localized("it is not a regular file");
        return std::nullopt;
    }
    const auto tooLarge = [&] {
        *error = localized("it is larger than %1 MiB").arg(maxBytes / (1024 * 1024));
        return std::nullopt;
    };
    if (status.st_size > maxBytes)
        return tooLarge();

    // The size may change while reading; never take more than one byte past the cap.
    QByteArray bytes(qsizetype(status.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > maxBytes)
                return tooLarge();
            bytes.resize(std::min<qsizetype>(bytes.size() * 2, maxBytes + 1));
        }
        const ssize_t got =
            ::read(file.get(), bytes.data() + filled, size_t(bytes.size() - filled));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            *error = systemError(errno);
            return std::nullopt;
        }
        if (got == 0)
            break;
        filled += got;
    }
    if (filled > maxBytes)
        return tooLarge();
    bytes.truncate(filled);
    return bytes;
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

void TapeFiles::setTapeTextViewToFile(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return;
    const QString path = tapePath(shape);
    QString reason;
    bool missing = false;
    std::optional<QByteArray> bytes = readRegularFile(path, maxTapeFileSize, &reason, &missing);
    if (missing) {
        tapeTextView->holdEmptyTape(shape);
        return;
    }
    if (bytes && bytes->isEmpty())
        reason = localized("it is empty");
    else if (bytes && !RtfReader::looksLikeRtf(*bytes))
        reason = localized("it is not an RTF document");
    else if (bytes) {
        // Parsed off-screen: a long tape is laid out once, when it is shown.
        std::unique_ptr<QTextDocument> document = TapeView::newDocument();
        RtfReader::readTape(*bytes, *document);
        tapeTextView->holdTape(shape, std::move(document));
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
}

void TapeFiles::ensureHolding(const QString& shape, TapeView* tapeTextView)
{
    if (tapeTextView && tapeTextView->heldShape() != shape)
        setTapeTextViewToFile(shape, tapeTextView);
}

void TapeFiles::writeTapeToFile(const QString& shape, TapeView* tapeTextView)
{
    if (!UserDefaults().tapeDrawerOpen())
        return;
    saveTape(shape, tapeTextView);
}

bool TapeFiles::saveTape(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return false;
    const QString path = tapePath(shape);
    QString reason;
    if (tapeTextView->heldShape() != shape)
        reason = localized("the tape view holds another tape");
    else if (!tapeTextView->canSave())
        reason = localized("its unreadable file is still in place");
    else if (writeFileAtomically(path, tapeTextView->rtf(), tapeMimeType, &reason))
        return true;
    Notices::instance().report(lcTape(), localized("The %1 tape could not be saved to %2: %3.")
                                             .arg(shapeTitle(shape), path, reason));
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
    QString reason;
    if (!replaceable(path, &reason)) {
        if (error)
            *error = reason;
        return false;
    }
    QSaveFile file(path);
    const auto fail = [&] {
        const int code = errno;
        // A failed flush leaves no message of its own: the system's reason is the one.
        if (error)
            *error = file.error() == QFileDevice::NoError || code == 0 ? file.errorString()
                                                                       : systemError(code);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // A write that only reached the buffer is checked by the flush: commit() alone would
    // report success after a failed flush and leave an empty file in place of the old.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const bool failed = fail();
        file.cancelWriting();
        return failed;
    }
    if (!file.commit())
        return fail();
    // Best effort: file systems without user attributes simply go without.
    const QByteArray native = QFile::encodeName(path);
    ::setxattr(native.constData(), "user.mime_type", mimeType, qstrlen(mimeType), 0);
    return true;
}
