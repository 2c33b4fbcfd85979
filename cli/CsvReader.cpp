#include "cli/CsvReader.h"

#include "core/Localization.h"

int CsvReader::get()
{
    if (m_position == m_filled) {
        m_filled = qsizetype(std::fread(m_buffer.data(), 1, size_t(m_buffer.size()), m_input));
        m_position = 0;
        if (m_filled == 0) {
            m_readFailed = std::ferror(m_input) != 0;
            return EOF;
        }
    }
    return static_cast<unsigned char>(m_buffer[m_position++]);
}

void CsvReader::skipRestOfLine()
{
    for (int c = get(); c != EOF; c = get()) {
        if (c == '\n') {
            ++m_line;
            return;
        }
    }
}

CsvReader::Status CsvReader::next(QStringList& fields)
{
    fields.clear();
    QByteArray field;
    qsizetype recordBytes = 0;
    bool quoted = false;    // inside a quoted field
    bool wasQuoted = false; // the current field was quoted (its closing quote seen)
    bool any = false;
    m_recordLine = m_line;
    const auto malformed = [&](const QString& why, bool skipLine) {
        m_error = why;
        if (skipLine)
            skipRestOfLine();
        return Status::Malformed;
    };
    for (;;) {
        if (m_atStart) {
            m_atStart = false;
            // A byte-order mark before the header is not part of its first name.
            const int first = get();
            if (first != EOF)
                --m_position;
            if (m_filled - m_position >= 3 && m_buffer.sliced(m_position, 3) == "\xEF\xBB\xBF")
                m_position += 3;
        }
        int c = get();
        if (c == EOF) {
            if (quoted)
                return malformed(localized("a quoted field is not closed"), false);
            if (!any)
                return Status::End;
            fields.append(QString::fromUtf8(field));
            return Status::Record;
        }
        if (++recordBytes > maxRecordBytes)
            return malformed(localized("the row is longer than %1 bytes").arg(maxRecordBytes),
                             c != '\n');
        if (quoted) {
            if (c == '\n')
                ++m_line;
            if (c != '"') {
                field.append(char(c));
                continue;
            }
            const int after = get();
            if (after == '"') {
                field.append('"');
                continue;
            }
            quoted = false;
            wasQuoted = true;
            if (after == EOF) {
                fields.append(QString::fromUtf8(field));
                return Status::Record;
            }
            c = after;
        }
        if (c == '\r')
            continue; // CRLF ends a record as LF does
        if (c == '\n') {
            ++m_line;
            if (!any && field.isEmpty() && !wasQuoted) {
                m_recordLine = m_line;
                continue; // a blank line
            }
            fields.append(QString::fromUtf8(field));
            return Status::Record;
        }
        any = true;
        if (c == ',') {
            fields.append(QString::fromUtf8(field));
            field.clear();
            wasQuoted = false;
            if (fields.size() >= maxFields)
                return malformed(localized("the row has more than %1 fields").arg(maxFields), true);
            continue;
        }
        if (c == '"' && field.isEmpty() && !wasQuoted) {
            quoted = true;
            continue;
        }
        if (wasQuoted)
            return malformed(localized("text follows a quoted field"), true);
        field.append(char(c));
    }
}
