#include "cli/CsvBatch.h"

#include "cli/CalculationRun.h"
#include "cli/CsvReader.h"
#include "core/Localization.h"

#include <algorithm>
#include <vector>

namespace {

constexpr qsizetype flushThreshold = 64 * 1024;

// Per input column, the field it fills; -1 for a column that is read but not used (the
// "error" column of an earlier run, an output-only quantity).
struct Header {
    std::vector<int> fields;
    QString error;
};

// A name from the input as a message may show it: no control characters, and short.
QString shown(const QString& name)
{
    QString text = name.left(40);
    for (QChar& c : text) {
        if (!c.isPrint())
            c = QChar::ReplacementCharacter;
    }
    return name.size() > text.size() ? text + QStringLiteral("...") : text;
}

Header readHeader(const CliShapes::Shape& shape, const QStringList& names)
{
    Header header;
    std::vector<bool> seen(shape.table->fields.size(), false);
    for (const QString& name : names) {
        if (name.trimmed().compare(QLatin1String("error"), Qt::CaseInsensitive) == 0) {
            header.fields.push_back(-1);
            continue;
        }
        const CliShapes::Lookup found = CliShapes::findQuantity(shape, name);
        if (found.field < 0) {
            header.error =
                found.matches.isEmpty()
                    ? localized("the %1 has no quantity \"%2\"").arg(shape.name, shown(name))
                    : localized("\"%1\" could be %2")
                          .arg(shown(name), found.matches.join(QLatin1String(", ")));
            return header;
        }
        if (seen[size_t(found.field)]) {
            header.error = localized("the column %1 appears twice").arg(shown(name));
            return header;
        }
        seen[size_t(found.field)] = true;
        // Output-only quantities (as an earlier run writes them) are read as the window
        // reads its output-only fields: never.
        const bool outputOnly =
            shape.table->fields[size_t(found.field)].role == FieldRole::OutputOnly;
        header.fields.push_back(outputOnly ? -1 : found.field);
    }
    return header;
}

} // namespace

void CsvBatch::appendField(QByteArray& out, const QString& text)
{
    const auto special = [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\n') ||
               c == QLatin1Char('\r');
    };
    if (std::none_of(text.begin(), text.end(), special)) {
        out += text.toUtf8();
        return;
    }
    out += '"';
    out += QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")).toUtf8();
    out += '"';
}

CsvBatch::Outcome CsvBatch::run(std::FILE* input, std::FILE* output)
{
    CsvReader reader(input);
    QStringList fields;
    CsvReader::Status status = reader.next(fields);
    if (status != CsvReader::Status::Record) {
        m_error = status == CsvReader::Status::End
                      ? localized("no header row: standard input is empty")
                      : localized("the header row: %1").arg(reader.error());
        return reader.readFailed() ? Outcome::ReadFailed : Outcome::BadHeader;
    }
    const Header header = readHeader(m_shape, fields);
    if (!header.error.isEmpty()) {
        m_error = header.error;
        return Outcome::BadHeader;
    }

    const size_t count = m_shape.table->fields.size();
    QByteArray out;
    out.reserve(2 * flushThreshold);
    for (size_t i = 0; i < count; ++i) {
        appendField(out, m_shape.quantityNames[i]);
        out += ',';
    }
    out += "error\r\n";

    bool refused = false;
    std::vector<QString> entries(count);
    while ((status = reader.next(fields)) != CsvReader::Status::End) {
        std::fill(entries.begin(), entries.end(), QString());
        QString problem;
        if (status == CsvReader::Status::Malformed) {
            problem = localized("line %1: %2").arg(reader.recordLine()).arg(reader.error());
        } else if (fields.size() != qsizetype(header.fields.size())) {
            problem = localized("line %1 has %2 fields; the header has %3")
                          .arg(reader.recordLine())
                          .arg(fields.size())
                          .arg(header.fields.size());
        } else {
            for (qsizetype c = 0; c < fields.size(); ++c) {
                if (header.fields[size_t(c)] >= 0)
                    entries[size_t(header.fields[size_t(c)])] = fields[c];
            }
        }
        CalculationRun::Result result;
        if (problem.isEmpty()) {
            result = CalculationRun::run(*m_shape.table, entries, m_formatter);
            problem = result.refusal;
        }
        for (size_t i = 0; i < count; ++i) {
            appendField(out, problem.isEmpty() ? result.texts[i] : entries[i]);
            out += ',';
        }
        appendField(out, problem);
        out += "\r\n";
        refused = refused || !problem.isEmpty();
        if (out.size() > flushThreshold) {
            if (output)
                std::fwrite(out.constData(), 1, size_t(out.size()), output);
            out.clear();
        }
    }
    if (output)
        std::fwrite(out.constData(), 1, size_t(out.size()), output);
    if (reader.readFailed()) {
        m_error = localized("standard input could not be read to its end");
        return Outcome::ReadFailed;
    }
    return refused ? Outcome::SomeRefused : Outcome::AllSolved;
}
