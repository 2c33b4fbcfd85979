#include "core/TapeView.h"

#include "core/RtfReader.h"
#include "core/TapeEntries.h"
#include "core/TapeEntry.h"

#include <QPlainTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTimer>

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &TapeView::loadOlderWhenNearTop);
}

std::unique_ptr<QTextDocument> TapeView::newDocument()
{
    auto document = std::make_unique<QTextDocument>();
    // The tape is appended to, never edited: an undo history would only hold memory.
    document->setUndoRedoEnabled(false);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    return document;
}

void TapeView::replaceDocument(std::unique_ptr<QTextDocument> document)
{
    // Documents held earlier belong to this view; the one the view was built with
    // belongs to its text control, which deletes it when it is replaced.
    QTextDocument* previous = this->document();
    const bool ownedHere = previous && previous->parent() == this;
    QTextDocument* next = document.release();
    next->setParent(this);
    next->setDefaultFont(font());
    setDocument(next);
    if (ownedHere)
        delete previous;
}

void TapeView::holdTape(const QString& shape, std::unique_ptr<QTextDocument> document, bool canSave)
{
    m_split.reset();
    m_olderEntryCount = -1;
    m_verbatimBlocks = 0;
    m_writer.seedColours({});
    replaceDocument(std::move(document));
    m_heldShape = shape;
    m_canSave = canSave;
    scrollToEnd();
}

void TapeView::holdTapeFile(const QString& shape, const QByteArray& rtf)
{
    std::unique_ptr<QTextDocument> document = newDocument();
    std::optional<TapeSplit> split = TapeSplit::of(rtf, newestEntriesShown);
    RtfReader::readTape(split ? split->takeNewest() : rtf, *document);
    holdTape(shape, std::move(document));
    if (split) {
        m_writer.seedColours(split->colours());
        m_split = std::move(split);
    }
}

void TapeView::holdEmptyTape(const QString& shape, bool canSave)
{
    holdTape(shape, newDocument(), canSave);
}

void TapeView::append(const QString& text, const QTextCharFormat& format, bool separateFromPrevious)
{
    setReadOnly(false);
    TapeEntry::append(*document(), text, format, separateFromPrevious);
    setReadOnly(true);
}

QList<QByteArray> TapeView::rtfPieces()
{
    // The body first: the colour table in the header grows with the colours it meets.
    const QList<QByteArray> body = m_writer.grownBody(*document(), m_verbatimBlocks);
    QList<QByteArray> pieces{m_writer.header()};
    if (m_split)
        pieces.append(m_split->olderBytes());
    pieces.append(body);
    pieces.append(QByteArrayLiteral("}\n"));
    return pieces;
}

QByteArray TapeView::rtf()
{
    QByteArray out;
    for (const QByteArray& piece : rtfPieces())
        out += piece;
    return out;
}

TapeView::SightLine TapeView::sightLine() const
{
    const QTextBlock top = firstVisibleBlock();
    if (!top.isValid())
        return {};
    return {top.blockNumber(), verticalScrollBar()->value() - top.firstLineNumber()};
}

void TapeView::restoreSightLine(const SightLine& line, int blocksBefore)
{
    const QTextBlock kept = document()->findBlockByNumber(line.block + blocksBefore);
    verticalScrollBar()->setValue(kept.firstLineNumber() + std::max(0, line.lineInBlock));
}

int TapeView::loadOlderEntries(int count)
{
    if (!m_split || m_split->olderLeft() == 0 || count <= 0)
        return 0;
    std::unique_ptr<QTextDocument> older = newDocument();
    RtfReader::readTape(m_split->takeOlder(count), *older);
    if (m_olderEntryCount >= 0)
        m_olderEntryCount -= int(TapeEntries::read(*older).size());

    // What is in sight stays in sight, moved down by the blocks put before it.
    const SightLine inSight = sightLine();
    const int before = document()->blockCount();
    // The chunk ends with the paragraph mark before the document's first entry: its last,
    // empty block becomes that entry's.
    QTextCursor start(document());
    start.movePosition(QTextCursor::Start);
    start.insertFragment(QTextDocumentFragment(older.get()));
    const int added = document()->blockCount() - before;
    m_verbatimBlocks += added;
    restoreSightLine(inSight, added);
    return added;
}

int TapeView::olderEntryCount()
{
    if (olderEntriesLeft() == 0)
        return 0;
    if (m_olderEntryCount < 0) {
        constexpr int perReading = 5000;
        int counted = 0;
        for (int first = 0; first < olderEntriesLeft(); first += perReading) {
            const std::unique_ptr<QTextDocument> chunk = newDocument();
            const int end = std::min(first + perReading, olderEntriesLeft());
            RtfReader::readTape(m_split->olderRange(first, end), *chunk);
            counted += int(TapeEntries::read(*chunk).size());
        }
        m_olderEntryCount = counted;
    }
    return m_olderEntryCount;
}

std::unique_ptr<QTextDocument> TapeView::wholeCopy() const
{
    if (olderEntriesLeft() == 0)
        return nullptr;
    std::unique_ptr<QTextDocument> whole = newDocument();
    RtfReader::readTape(m_split->olderRange(0, m_split->olderLeft()), *whole);
    QTextCursor end(whole.get());
    end.movePosition(QTextCursor::End);
    end.insertFragment(QTextDocumentFragment(document()));
    return whole;
}

QTextDocument* TapeView::wholeDocument()
{
    if (olderEntriesLeft() == 0)
        return document();
    // Every older entry in one reading, the entries held now put after them: half the
    // work of reading them in chunks before the first, each chunk copied in again.
    std::unique_ptr<QTextDocument> whole = wholeCopy();
    m_split->takeAllOlder();
    const int addedBlocks = whole->blockCount() - document()->blockCount();
    const int addedCharacters = whole->characterCount() - document()->characterCount();

    const SightLine inSight = sightLine();
    const QTextCursor held = textCursor();
    replaceDocument(std::move(whole));
    m_verbatimBlocks += addedBlocks;
    QTextCursor moved(document());
    moved.setPosition(held.anchor() + addedCharacters);
    moved.setPosition(held.position() + addedCharacters, QTextCursor::KeepAnchor);
    setTextCursor(moved);
    restoreSightLine(inSight, addedBlocks);
    return document();
}

void TapeView::loadOlderWhenNearTop()
{
    // Within a chunk's reach of the top, the next chunk is read once the scroll is over,
    // so that the scroll bar is not changed under the user's hand while it moves.
    constexpr int nearTopLines = 200;
    if (m_loadQueued || olderEntriesLeft() == 0 || verticalScrollBar()->value() > nearTopLines)
        return;
    m_loadQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_loadQueued = false;
        if (verticalScrollBar()->value() <= nearTopLines)
            loadOlderEntries(olderEntriesPerChunk);
    });
}

void TapeView::scrollToEnd()
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
}
