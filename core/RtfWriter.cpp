#include "core/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace {

void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == 0x2028 || u == '\n') {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u < 0x20) {
            continue; // control characters have no place in the text
        } else {
            // Grouped, and with the fallback as a hex escape: some readers take a literal
            // "?" after "\uN" for the delimiter and then drop the next character as the
            // fallback. A "\'3f" is read as one character by all of them.
            out += "{\\u" + QByteArray::number(int(int16_t(u))) + "\\'3f}";
        }
    }
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument& document)
{
    RtfWriter writer;
    return writer.writeGrown(document);
}

void RtfWriter::reset()
{
    m_colours = m_seed;
    m_settledPieces.clear();
    m_settledBlocks = 0;
}

void RtfWriter::seedColours(const QList<QColor>& colours)
{
    m_seed = colours;
    reset();
}

int RtfWriter::colourIndex(const QColor& colour)
{
    const QColor opaque = colour.toRgb();
    for (qsizetype i = 0; i < m_colours.size(); ++i) {
        if (m_colours[i].rgb() == opaque.rgb())
            return int(i) + 1;
    }
    m_colours.append(opaque);
    return int(m_colours.size());
}

QByteArray RtfWriter::styleWords(const QTextCharFormat& format)
{
    QByteArray words;
    if (format.hasProperty(QTextFormat::ForegroundBrush) &&
        format.foreground().style() != Qt::NoBrush)
        words += "\\cf" + QByteArray::number(colourIndex(format.foreground().color()));
    if (format.fontWeight() >= QFont::Bold)
        words += "\\b";
    if (format.fontItalic())
        words += "\\i";
    if (format.fontUnderline())
        words += "\\ul";
    return words;
}

void RtfWriter::appendBlock(QByteArray& out, const QTextBlock& block, bool first)
{
    if (!first) {
        // The paragraph mark keeps the format it was typed with, so that a tape read
        // back is the tape that was written.
        const QByteArray words = styleWords(block.charFormat());
        out += words.isEmpty() ? QByteArray("\\par\n") : "{" + words + "\\par}\n";
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.isValid())
            continue;
        const QByteArray words = styleWords(fragment.charFormat());
        out += '{';
        if (!words.isEmpty())
            out += words + ' ';
        appendEscaped(out, fragment.text());
        out += '}';
    }
}

QByteArray RtfWriter::header() const
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss Helvetica;}\n";
    out += "{\\colortbl;";
    for (const QColor& colour : m_colours) {
        out += "\\red" + QByteArray::number(colour.red()) + "\\green" +
               QByteArray::number(colour.green()) + "\\blue" + QByteArray::number(colour.blue()) +
               ';';
    }
    out += "}\n\\f0 ";
    return out;
}

QList<QByteArray> RtfWriter::grownBody(const QTextDocument& document, int firstBlock)
{
    // A document that shrank, or whose first written block moved, was replaced, not grown.
    if (firstBlock != m_firstBlock || document.blockCount() - firstBlock <= m_settledBlocks)
        reset();
    m_firstBlock = firstBlock;

    // Every block but the last is final; the last may still grow.
    QTextBlock block = document.findBlockByNumber(firstBlock + m_settledBlocks);
    QByteArray tail;
    for (; block.isValid(); block = block.next()) {
        const bool last = !block.next().isValid();
        if (!last && (m_settledPieces.isEmpty() || m_settledPieces.last().size() >= pieceSize))
            m_settledPieces.append(QByteArray());
        QByteArray& out = last ? tail : m_settledPieces.last();
        appendBlock(out, block, block.blockNumber() == firstBlock);
        if (!last)
            ++m_settledBlocks;
    }
    QList<QByteArray> pieces = m_settledPieces;
    pieces.append(tail);
    return pieces;
}

QByteArray RtfWriter::writeGrown(const QTextDocument& document)
{
    const QList<QByteArray> body = grownBody(document);
    QByteArray out = header();
    qsizetype size = out.size() + 2;
    for (const QByteArray& piece : body)
        size += piece.size();
    out.reserve(size);
    for (const QByteArray& piece : body)
        out += piece;
    out += "}\n";
    return out;
}
