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
// tape becomes, and is kept in pieces that a save can share without copying them.
class RtfWriter {
public:
    static QByteArray write(const QTextDocument& document);

    // The whole document as RTF, reusing the blocks written by the previous call. The
    // caller guarantees that only the end of the document changed since then, or calls
    // reset() first.
    QByteArray writeGrown(const QTextDocument& document);
    // The blocks from `firstBlock` on, without header or closing brace, as pieces that
    // stay valid (they are never changed once handed out). The blocks before `firstBlock`
    // are the caller's, already written; the first written block starts without a
    // paragraph mark, so the caller's bytes end with one.
    QList<QByteArray> grownBody(const QTextDocument& document, int firstBlock = 0);
    // The colour table and font table that begin the document.
    QByteArray header() const;
    void reset();
    // Colours the table starts with whatever the document uses, so that bytes written
    // against an existing table (a tape file's older entries) keep their meaning.
    void seedColours(const QList<QColor>& colours);

    static constexpr qsizetype pieceSize = 1024 * 1024;

private:
    void appendBlock(QByteArray& out, const QTextBlock& block, bool first);
    QByteArray styleWords(const QTextCharFormat& format);
    int colourIndex(const QColor& colour);

    QList<QColor> m_seed;
    QList<QColor> m_colours;
    QList<QByteArray> m_settledPieces; // the blocks before m_settledBlocks, serialised
    int m_settledBlocks = 0;           // counted from the first block written
    int m_firstBlock = 0;
};
