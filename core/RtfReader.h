#pragma once

#include <QByteArray>
#include <QChar>

class QTextDocument;

// Reads RTF into a rich-text document: coloured runs, bold, italic, underline, font
// size, paragraphs and their alignment, and text in \uN, \'xx and plain form. Font
// tables, style sheets, pictures and unknown destinations are skipped.
//
// Any byte string is safe input: the reader works in one pass, bounds group nesting,
// table sizes and control-word lengths, honours \binN, and its output never exceeds
// the input's length.
class RtfReader {
public:
    static constexpr int maxGroupDepth = 1000;
    static constexpr int maxColourTableEntries = 1024;
    static constexpr int maxControlWordLength = 32;

    // Replaces the document's content. Returns false, leaving the document untouched,
    // when the bytes do not start like an RTF document.
    static bool read(const QByteArray& rtf, QTextDocument& document);
    // Reads a tape: its lines become line breaks inside one paragraph per entry (a
    // paragraph mark after an empty line starts the next), so that a tape of 100,000
    // entries holds 100,000 blocks rather than 600,000. Alignment is not kept.
    static bool readTape(const QByteArray& rtf, QTextDocument& document);

    static bool looksLikeRtf(const QByteArray& bytes);

    // A tape's line break: a paragraph mark after an empty line starts the next entry's
    // paragraph, any other is a line break inside the entry. The tape view writes its
    // lines by the same rule.
    static QChar tapeBreak(bool afterBreak)
    {
        return afterBreak ? QChar::ParagraphSeparator : QChar::LineSeparator;
    }
    static bool isBreak(QChar c)
    {
        return c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    }
};
