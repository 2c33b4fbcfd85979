#include "core/TapeExport.h"

#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/RtfWriter.h"
#include "core/TapeWorking.h"

#include <QBuffer>
#include <QPdfWriter>
#include <QStringList>
#include <QTextDocument>

#include <algorithm>

namespace {

QString csvField(QString text, QChar delimiter)
{
    // A cell a spreadsheet would take for a formula (a label or date from a foreign tape
    // file) is kept as text; the tape's own values never start so.
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front()))
        text.prepend(QLatin1Char('\''));
    // RFC 4180: a field holding the delimiter, a quote or a line break is quoted, its
    // quotes doubled.
    const bool quote = text.contains(delimiter) || text.contains(QLatin1Char('"')) ||
                       text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quote)
        return text;
    text.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString givenMark()
{
    return localized(" (given)");
}

QString workingHtml(const TapeRecord& entry)
{
    if (entry.working.isEmpty())
        return {};
    QString html =
        QStringLiteral("<p><i>%1</i></p>\n<ul>\n").arg(localized("Working").toHtmlEscaped());
    for (const QString& line : entry.working)
        html += QStringLiteral("<li>%1</li>\n").arg(line.toHtmlEscaped());
    return html + QStringLiteral("</ul>\n");
}

QString tableHtml(const TapeRecord& entry, QChar separator)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n");
    for (const TapeLine& line : entry.lines) {
        const QString value = TapeExport::withSeparator(line.text, separator).toHtmlEscaped();
        html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>\n")
                    .arg(line.label.toHtmlEscaped(),
                         line.given
                             ? QStringLiteral("<b>%1</b>%2").arg(value, givenMark().toHtmlEscaped())
                             : value);
    }
    return html + QStringLiteral("</table>\n") + workingHtml(entry);
}

QByteArray pdfOf(const std::vector<TapeRecord>& entries, QChar separator)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(localized("Tape"));
    writer.setCreator(QStringLiteral("Polymetra"));
    writer.setResolution(300);
    QTextDocument document;
    document.setHtml(TapeExport::html(entries, separator));
    document.print(&writer);
    return bytes;
}

} // namespace

std::optional<TapeExport::Format> TapeExport::formatNamed(const QString& suffixOrName)
{
    const QString name = suffixOrName.toLower();
    if (name == QLatin1String("txt") || name == QLatin1String("text"))
        return Format::Text;
    if (name == QLatin1String("csv"))
        return Format::Csv;
    if (name == QLatin1String("html") || name == QLatin1String("htm"))
        return Format::Html;
    if (name == QLatin1String("pdf"))
        return Format::Pdf;
    if (name == QLatin1String("rtf"))
        return Format::Rtf;
    return std::nullopt;
}

QString TapeExport::suffix(Format format)
{
    switch (format) {
    case Format::Text:
        return QStringLiteral("txt");
    case Format::Csv:
        return QStringLiteral("csv");
    case Format::Html:
        return QStringLiteral("html");
    case Format::Pdf:
        return QStringLiteral("pdf");
    case Format::Rtf:
        break;
    }
    return QStringLiteral("rtf");
}

const char* TapeExport::mimeType(Format format)
{
    switch (format) {
    case Format::Text:
        return "text/plain";
    case Format::Csv:
        return "text/csv";
    case Format::Html:
        return "text/html";
    case Format::Pdf:
        return "application/pdf";
    case Format::Rtf:
        break;
    }
    return "text/rtf";
}

QChar TapeExport::csvDelimiter(QChar separator)
{
    return separator == QLatin1Char(',') ? QLatin1Char(';') : QLatin1Char(',');
}

QString TapeExport::withSeparator(const QString& value, QChar separator)
{
    // Values carry no grouping, so the one '.' or ',' in a number is its decimal mark.
    // Text that is not a number (a polygon's name) is left alone.
    bool number = !value.isEmpty();
    for (const QChar c : value) {
        if (!c.isDigit() && !QStringLiteral(".,eE+-").contains(c))
            number = false;
    }
    if (!number)
        return value;
    QString result = value;
    for (QChar& c : result) {
        if (c == QLatin1Char('.') || c == QLatin1Char(','))
            c = separator;
    }
    return result;
}

QString TapeExport::entryText(const TapeRecord& entry, QChar separator)
{
    QStringList lines;
    if (!entry.date.isEmpty())
        lines.append(entry.date);
    for (const TapeLine& line : entry.lines) {
        lines.append(line.label + QLatin1String(": ") + withSeparator(line.text, separator) +
                     (line.given ? givenMark() : QString()));
    }
    if (!entry.working.isEmpty()) {
        lines.append(localized("Working:"));
        for (const QString& step : entry.working)
            lines.append(QStringLiteral("  ") + step);
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString TapeExport::entryHtml(const TapeRecord& entry, QChar separator)
{
    QString html = QStringLiteral("<html><body>\n");
    if (!entry.date.isEmpty())
        html += QStringLiteral("<p>%1</p>\n").arg(entry.date.toHtmlEscaped());
    return html + tableHtml(entry, separator) + QStringLiteral("</body></html>\n");
}

QString TapeExport::text(const std::vector<TapeRecord>& entries, QChar separator)
{
    QStringList parts;
    for (const TapeRecord& entry : entries)
        parts.append(entryText(entry, separator));
    return parts.join(QLatin1Char('\n'));
}

QString TapeExport::csv(const std::vector<TapeRecord>& entries, QChar separator)
{
    const QChar delimiter = csvDelimiter(separator);
    const QStringList labels = TapeEntries::labels(entries);
    QString out;
    out.reserve(qsizetype(entries.size()) * 16 * (labels.size() + 2));
    const auto row = [&out, delimiter](const QStringList& fields) {
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                out += delimiter;
            out += csvField(fields[i], delimiter);
        }
        out += QLatin1String("\r\n");
    };
    const bool withWorking = std::any_of(entries.begin(), entries.end(),
                                         [](const TapeRecord& e) { return !e.working.isEmpty(); });
    QStringList header{localized("Date")};
    header += labels;
    header.append(localized("Given"));
    if (withWorking)
        header.append(localized("Working"));
    row(header);
    for (const TapeRecord& entry : entries) {
        QStringList fields(labels.size() + (withWorking ? 3 : 2));
        fields[0] = entry.date;
        QStringList given;
        for (const TapeLine& line : entry.lines) {
            // A label seen twice in one entry (the polygon's two sets) fills its column once.
            const qsizetype column = labels.indexOf(line.label) + 1;
            if (fields[column].isEmpty())
                fields[column] = withSeparator(line.text, separator);
            if (line.given && !given.contains(line.label))
                given.append(line.label);
        }
        fields[labels.size() + 1] = given.join(QLatin1String(" + "));
        if (withWorking)
            fields.last() = entry.working.join(QLatin1Char('\n'));
        row(fields);
    }
    return out;
}

QString TapeExport::html(const std::vector<TapeRecord>& entries, QChar separator)
{
    QString html = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>%1"
                                  "</title></head><body>\n")
                       .arg(localized("Tape").toHtmlEscaped());
    for (const TapeRecord& entry : entries) {
        html += QStringLiteral("<p><b>%1</b></p>\n").arg(entry.date.toHtmlEscaped());
        html += tableHtml(entry, separator);
    }
    return html + QStringLiteral("</body></html>\n");
}

QByteArray TapeExport::encode(Format format, const QTextDocument& tape, QChar separator,
                              QString* error, const ShapeFieldTable* withWorkingOf)
{
    // The tape file is the tape as it is: it never holds the working.
    if (format == Format::Rtf)
        return RtfWriter::write(tape);
    std::vector<TapeRecord> entries = TapeEntries::read(tape);
    if (withWorkingOf)
        TapeWorking::attach(entries, *withWorkingOf,
                            NumberFormatter(NumberFormatter::shared().decimalPlaces(), separator));
    switch (format) {
    case Format::Text:
        return text(entries, separator).toUtf8();
    case Format::Csv:
        return csv(entries, separator).toUtf8();
    case Format::Html:
        return html(entries, separator).toUtf8();
    case Format::Pdf: {
        QByteArray pdf = pdfOf(entries, separator);
        if (pdf.isEmpty() && error)
            *error = localized("the PDF could not be made");
        return pdf;
    }
    case Format::Rtf:
        break;
    }
    return {};
}
