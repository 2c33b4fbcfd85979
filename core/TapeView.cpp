#include "core/TapeView.h"

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
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    if (separateFromPrevious)
        cursor.insertText(asTapeLines(QStringLiteral("\n\n")), QTextCharFormat());
    cursor.insertText(asTapeLines(text), format);
    setReadOnly(true);
}

QString TapeView::asTapeLines(QString text) const
{
    // An entry's lines are line breaks within one paragraph; the break after an empty
    // line starts the next paragraph, as the tape reader reads a saved tape.
    const int end = document()->characterCount() - 1;
    bool afterBreak = false;
    if (end > 0) {
        const QChar last = document()->characterAt(end - 1);
        afterBreak = last == QChar::LineSeparator || last == QChar::ParagraphSeparator;
    }
    for (QChar& c : text) {
        if (c == QLatin1Char('\n'))
            c = afterBreak ? QChar::ParagraphSeparator : QChar::LineSeparator;
        afterBreak = c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    }
    return text;
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
