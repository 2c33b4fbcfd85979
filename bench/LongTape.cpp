#include "bench/LongTape.h"

#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/TapeFiles.h"

#include <QColor>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <cmath>

void writeLongTape(const QString& shape, qint64 bytes)
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
    TapeFiles::writeFileAtomically(SupportPaths::tapeFilePath(shape), writer.writeGrown(document),
                                   TapeFiles::tapeMimeType);
}
