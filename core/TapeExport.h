#pragma once

#include "core/TapeEntries.h"

#include <QByteArray>
#include <QChar>
#include <QString>

#include <optional>

class QTextDocument;
struct ShapeFieldTable;

// The tape in the forms it leaves the program in: plain text, CSV for spreadsheets, HTML,
// PDF, and RTF (the tape file itself). Values are written with the decimal separator
// asked for, whatever separator the tape was written with.
class TapeExport {
public:
    enum class Format { Text, Csv, Html, Pdf, Rtf };

    static std::optional<Format> formatNamed(const QString& suffixOrName);
    static QString suffix(Format format);
    static const char* mimeType(Format format);

    // The file's bytes; empty, with `error` saying why, when they cannot be made. With a
    // shape, each entry is followed by its working (every format but the tape's own RTF).
    static QByteArray encode(Format format, const QTextDocument& tape, QChar separator,
                             QString* error = nullptr,
                             const ShapeFieldTable* withWorkingOf = nullptr);

    static QString text(const std::vector<TapeRecord>& entries, QChar separator);
    // One row per entry: the date, one column per quantity, then the given quantities'
    // labels. With "," as the decimal separator the fields are separated by ";".
    static QString csv(const std::vector<TapeRecord>& entries, QChar separator);
    static QString html(const std::vector<TapeRecord>& entries, QChar separator);

    // One entry as "Label: value" lines, given values marked, and as a two-column table.
    static QString entryText(const TapeRecord& entry, QChar separator);
    static QString entryHtml(const TapeRecord& entry, QChar separator);

    // A value's text with `separator` as its decimal separator.
    static QString withSeparator(const QString& value, QChar separator);
    static QChar csvDelimiter(QChar separator);
};
