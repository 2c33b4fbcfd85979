#pragma once

#include <QByteArray>

class QTextDocument;

// Writes a rich-text document as RTF: one paragraph per block, each run with its
// colour (and bold, italic, underline when set); text outside ASCII as \u escapes.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument& document);
};
