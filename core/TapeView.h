#pragma once

#include "core/RtfWriter.h"
#include "core/TapeSplit.h"

#include <QPlainTextEdit>

#include <memory>
#include <optional>

class QTextCharFormat;

// The tape drawer's text view: a log of coloured lines, laid out line by line, so that
// showing the newest entry of a tape of 100,000 entries is quick. It knows which shape's tape it
// holds, so that an entry is never logged on, or saved into, another shape's tape; and whether that
// tape may be saved at all (not when its file could not be read and is still in place). It keeps
// the RTF of what it already holds, so an entry on a long tape is serialised alone.
//
// A long tape in the program's own form is held in two parts (TapeSplit): the newest
// entries in the document, the older ones as their file's bytes, read a chunk at a time
// as the user scrolls towards the top. Whatever needs the whole tape asks wholeDocument().
class TapeView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TapeView(QWidget* parent = nullptr);

    // The English name of the shape whose tape is shown; empty before any was loaded.
    QString heldShape() const { return m_heldShape; }
    bool canSave() const { return m_canSave; }
    // How the tape's file looked when last read or written (kept by TapeFiles), so that a
    // file changed by another program since is read again before the next entry.
    QByteArray fileStamp() const { return m_fileStamp; }
    void setFileStamp(const QByteArray& stamp) { m_fileStamp = stamp; }

    // Shows `document` (parsed off-screen; the view takes it) as the tape of `shape`.
    void holdTape(const QString& shape, std::unique_ptr<QTextDocument> document,
                  bool canSave = true);
    // Shows the tape file's `rtf` for `shape`: its newest entries at once and the older
    // ones when wanted, when it is long and in the program's own form; whole otherwise.
    void holdTapeFile(const QString& shape, const QByteArray& rtf);
    // Shows an empty tape for `shape`.
    void holdEmptyTape(const QString& shape, bool canSave = true);

    // The program's own insertion at the end; the user never edits the tape.
    void append(const QString& text, const QTextCharFormat& format, bool separateFromPrevious);
    // Moves to the end, so the newest entry is in sight.
    void scrollToEnd();
    // The whole tape as RTF, in pieces to be written one after the other. Only the
    // entries added since the last call are serialised.
    QList<QByteArray> rtfPieces();
    QByteArray rtf();

    // Entries of the tape not in the document yet, as the split counts them.
    int olderEntriesLeft() const { return m_split ? m_split->olderLeft() : 0; }
    // The same counted as TapeEntries reads them, so that entry N of the whole tape can
    // be found in the document without reading the older ones in. Counted once, a chunk
    // at a time, holding none of them.
    int olderEntryCount();
    // Puts up to `count` older entries before the document's first, keeping what is in
    // sight where it is. Returns how many blocks the document gained.
    int loadOlderEntries(int count);
    // The whole tape, its older entries read first where they are not in the document;
    // what is in sight and the selection stay as they were. For changing the tape: the
    // view holds every entry from then on.
    QTextDocument* wholeDocument();
    // The whole tape for reading (export, print, an older entry): a document of its own
    // when older entries are not in the view, gone with the pointer, so that the view
    // keeps holding only the newest; null when the view's document is the whole tape.
    std::unique_ptr<QTextDocument> wholeCopy() const;

    // A tape with more entries than this is held in two parts.
    static constexpr int newestEntriesShown = 2000;
    // How many older entries are read at a time.
    static constexpr int olderEntriesPerChunk = 500;

    // A document ready to be filled off-screen and then held.
    static std::unique_ptr<QTextDocument> newDocument();

private:
    // The top line in sight: its block and the line within that block.
    struct SightLine {
        int block = 0;
        int lineInBlock = 0;
    };
    SightLine sightLine() const;
    // Brings that line back to the top once `blocksBefore` blocks were put before it.
    void restoreSightLine(const SightLine& line, int blocksBefore);
    void replaceDocument(std::unique_ptr<QTextDocument> document);
    void loadOlderWhenNearTop();

    QString m_heldShape;
    bool m_canSave = false;
    QByteArray m_fileStamp;
    RtfWriter m_writer;
    std::optional<TapeSplit> m_split;
    int m_verbatimBlocks = 0;   // the document's first blocks, whose bytes the split keeps
    int m_olderEntryCount = -1; // not counted yet
    bool m_loadQueued = false;
};
