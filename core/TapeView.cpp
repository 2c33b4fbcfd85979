#include "core/TapeView.h"

#include "core/TapeEntry.h"

#include <QPlainTextDocumentLayout>
#include <QTextCursor>
#include <QTextDocument>

TapeView::TapeView(QWidget* parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
}

std::unique_ptr<QTextDocument> TapeView::newDocument()
{
    auto document = std::make_unique<QTextDocument>();
    // The tape is appended to, never edited: an undo history would only hold memory.
    document->setUndoRedoEnabled(false);
    document->setDocumentLayout(new QPlainTextDocumentLayout(document.get()));
    return document;
}

void TapeView::holdTape(const QString& shape, std::unique_ptr<QTextDocument> document, bool canSave)
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
    m_writer.reset();
    m_heldShape = shape;
    m_canSave = canSave;
    scrollToEnd();
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

QByteArray TapeView::rtf()
{
    return m_writer.writeGrown(*document());
}

void TapeView::scrollToEnd()
{
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    setTextCursor(end);
    ensureCursorVisible();
}
