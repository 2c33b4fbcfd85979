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
    m_colours.clear();
    m_settledBody.clear();
    m_settledBlocks = 0;
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

QByteArray RtfWriter::writeGrown(const QTextDocument& document)
{
    if (document.blockCount() <= m_settledBlocks)
        reset(); // the document shrank: it was replaced, not grown

    // Every block but the last is final; the last may still grow.
    QTextBlock block =
        m_settledBlocks == 0 ? document.begin() : document.findBlockByNumber(m_settledBlocks);
    QByteArray tail;
    for (; block.isValid(); block = block.next()) {
        const bool last = !block.next().isValid();
        QByteArray& out = last ? tail : m_settledBody;
        appendBlock(out, block, block.blockNumber() == 0);
        if (!last)
            ++m_settledBlocks;
    }

    QByteArray out = header();
    out.reserve(out.size() + m_settledBody.size() + tail.size() + 4);
    out += m_settledBody;
    out += tail;
    out += "}\n";
    return out;
}
