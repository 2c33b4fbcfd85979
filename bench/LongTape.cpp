#include "bench/LongTape.h"

#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/TapeFiles.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

void writeLongTape(const QString& shape, qint64 bytes, bool anotherWriter)
{
    QTextDocument document;
    QTextCursor end(&document);
    QTextCharFormat grey;
    grey.setForeground(QColor(120, 120, 120));
    QTextCharFormat blue;
    blue.setForeground(QColor(43, 136, 230));
    RtfWriter writer;
    for (int entry = 0;; ++entry) {
        const double radius = 1 + entry % 997 / 10.0;
        if (entry > 0)
            end.insertText(QStringLiteral("\n\n"), QTextCharFormat());
        end.insertText(QStringLiteral("7 Dec 2026 01:%1").arg(entry % 60, 2, 10, QChar('0')), grey);
        end.insertText(QStringLiteral("\nRadius: %1").arg(radius), blue);
        end.insertText(QStringLiteral("\nDiameter: %1").arg(2 * radius, 0, 'f', 2));
        end.insertText(QStringLiteral("\nArea: %1").arg(M_PI * radius * radius, 0, 'f', 2));
        end.insertText(QStringLiteral("\nCircumference: %1").arg(2 * M_PI * radius, 0, 'f', 2));
        if (entry % 1000 == 999 && writer.writeGrown(document).size() >= bytes)
            break;
    }
    QByteArray rtf = writer.writeGrown(document);
    if (anotherWriter) {
        // The same colour table, after words this program never writes.
        rtf.replace(
            0, writer.header().size(),
            "{\\rtf1\\ansi\\ansicpg1252\\cocoartf2639\n{\\fonttbl\\f0\\fnil\\fcharset0 "
            "Arial;}\n{\\colortbl;\\red120\\green120\\blue120;\\red43\\green136\\blue230;}\n"
            "\\pard\\f0\\fs24 ");
    }
    TapeFiles::writeFileAtomically(SupportPaths::tapeFilePath(shape), rtf, TapeFiles::tapeMimeType);
}
