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
            // Grouped, so that readers which drop the text after "\uN?" lose nothing.
            out += "{\\u" + QByteArray::number(int(int16_t(u))) + "?}";
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
    QByteArray body;
    bool firstBlock = true;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (!firstBlock)
            body += "\\par\n";
        firstBlock = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const QTextCharFormat format = fragment.charFormat();
            body += '{';
            if (format.hasProperty(QTextFormat::ForegroundBrush) &&
                format.foreground().style() != Qt::NoBrush)
                body +=
                    "\\cf" + QByteArray::number(colourIndex(colours, format.foreground().color()));
            if (format.fontWeight() >= QFont::Bold)
                body += "\\b";
            if (format.fontItalic())
                body += "\\i";
            if (format.fontUnderline())
                body += "\\ul";
            body += ' ';
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
    out += "}\n\\f0\\fs24 ";
    out += body;
    out += "}\n";
    return out;
}
