#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;

// Writes a document as RTF: colours, bold, italic and underline of each run, one
// paragraph per block. A writer that is kept keeps what it has written: a tape only
// grows at its end, so every block but the last is serialised once, however long the
// tape becomes.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument& document);

    // The whole document as RTF, reusing the blocks written by the previous call. The
    // caller guarantees that only the end of the document changed since then, or calls
    // reset() first.
    QByteArray writeGrown(const QTextDocument& document);
    void reset();

private:
    void appendBlock(QByteArray& out, const QTextBlock& block, bool first);
    QByteArray styleWords(const QTextCharFormat& format);
    int colourIndex(const QColor& colour);
    QByteArray header() const;

    QList<QColor> m_colours;
    QByteArray m_settledBody; // the blocks before m_settledBlocks, serialised
    int m_settledBlocks = 0;
};
