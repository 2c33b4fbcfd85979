#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdio>

// Reads RFC 4180 records (quoted fields, doubled quotes, line breaks inside quotes, CRLF or
// LF) from a stream. Input is untrusted: a record longer than maxRecordBytes or with more
// than maxFields fields is reported and skipped, never held whole.
class CsvReader {
public:
    static constexpr qsizetype maxRecordBytes = 64 * 1024;
    static constexpr qsizetype maxFields = 256;

    enum class Status { Record, Malformed, End };

    explicit CsvReader(std::FILE* input) : m_input(input) {}

    // The next record's fields; on Malformed, error() says why. Blank lines are skipped.
    Status next(QStringList& fields);
    QString error() const { return m_error; }
    // The line the last record started on, counted from 1.
    qint64 recordLine() const { return m_recordLine; }
    bool readFailed() const { return m_readFailed; }

private:
    int get();
    void skipRestOfLine();

    std::FILE* m_input;
    QByteArray m_buffer = QByteArray(64 * 1024, Qt::Uninitialized);
    qsizetype m_position = 0;
    qsizetype m_filled = 0;
    qint64 m_line = 1;
    qint64 m_recordLine = 0;
    bool m_atStart = true;
    bool m_readFailed = false;
    QString m_error;
};
