#include "core/RegularFiles.h"

#include "core/Localization.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

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

QString RegularFiles::systemError(int error)
{
    return qt_error_string(error);
}

std::optional<QByteArray> RegularFiles::readRegularFile(const QString& path, qint64 maxBytes,
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
        *error = reason == ELOOP ? localized("it is not a regular file")
                                 : RegularFiles::systemError(reason);
        return std::nullopt;
    }
    struct stat status {};
    if (::fstat(file.get(), &status) != 0) {
        *error = RegularFiles::systemError(errno);
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
            *error = RegularFiles::systemError(errno);
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

bool RegularFiles::writeFileAtomically(const QString& path, const QByteArray& bytes,
                                       const char* mimeType, QString* error)
{
    return writeFileAtomically(path, QList<QByteArray>{bytes}, mimeType, error);
}

bool RegularFiles::writeFileAtomically(const QString& path, const QList<QByteArray>& pieces,
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
            *error = file.error() == QFileDevice::NoError || code == 0
                         ? file.errorString()
                         : RegularFiles::systemError(code);
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail();
    // A write that only reached the buffer is checked by the flush: commit() alone would
    // report success after a failed flush and leave an empty file in place of the old.
    bool written = true;
    for (const QByteArray& bytes : pieces)
        written = written && file.write(bytes) == bytes.size();
    if (!written || !file.flush()) {
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
