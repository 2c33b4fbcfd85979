#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// Reading and replacing files from outside safely: only regular files are read or
// replaced (a link, folder or FIFO at the path is never followed), reads are bounded, and
// a write is atomic, so a failure leaves the old file as it was.
class RegularFiles {
public:
    // Writes bytes atomically and tags the file's type. On failure the old file is intact
    // and `error` (if given) says why.
    static bool writeFileAtomically(const QString& path, const QByteArray& bytes,
                                    const char* mimeType, QString* error = nullptr);
    // The same for bytes in pieces, written one after the other.
    static bool writeFileAtomically(const QString& path, const QList<QByteArray>& pieces,
                                    const char* mimeType, QString* error = nullptr);
    // Reads a regular file (never following a link) of at most `maxBytes`. Nothing when
    // it cannot: `missing` tells an absent file apart, `error` says why otherwise.
    static std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes,
                                                     QString* error, bool* missing = nullptr);
    // The system's text for an errno value.
    static QString systemError(int error);
};
