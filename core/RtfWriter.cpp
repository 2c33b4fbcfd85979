#include "core/RtfWriter.h"

#include <QColor>
#include <QList>
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

int colourIndex(QList<QColor>& table, const QColor& colour)
{
    const QColor opaque = colour.toRgb();
    for (qsizetype i = 0; i < table.size(); ++i) {
        if (table[i].rgb() == opaque.rgb())
            return int(i) + 1;
    }
    table.append(opaque);
    return int(table.size());
}

} // namespace

QByteArray RtfWriter::write(const QTextDocument& document)
{
    QList<QColor> colours;
    auto styleWords = [&colours](const QTextCharFormat& format) {
        QByteArray words;
        if (format.hasProperty(QTextFormat::ForegroundBrush) &&
            format.foreground().style() != Qt::NoBrush)
            words += "\\cf" + QByteArray::number(colourIndex(colours, format.foreground().color()));
        if (format.fontWeight() >= QFont::Bold)
            words += "\\b";
        if (format.fontItalic())
            words += "\\i";
        if (format.fontUnderline())
            words += "\\ul";
        return words;
    };

    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin()) {
            // The paragraph mark keeps the format it was typed with, so that a tape
            // read back is the tape that was written.
            const QByteArray words = styleWords(block.charFormat());
            body += words.isEmpty() ? QByteArray("\\par\n") : "{" + words + "\\par}\n";
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QByteArray words = styleWords(fragment.charFormat());
            body += '{';
            if (!words.isEmpty())
                body += words + ' ';
            appendEscaped(body, fragment.text());
            body += '}';
        }
    }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss Helvetica;}\n";
    out += "{\\colortbl;";
    for (const QColor& colour : colours) {
        out += "\\red" + QByteArray::number(colour.red()) + "\\green" +
               QByteArray::number(colour.green()) + "\\blue" + QByteArray::number(colour.blue()) +
               ';';
    }
    out += "}\n\\f0 ";
    out += body;
    out += "}\n";
    return out;
}
