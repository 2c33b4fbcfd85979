#include "app/TapeEntryMenu.h"

#include "app/EntryReuse.h"
#include "app/MainWindow.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/NumberFormatter.h"
#include "core/RtfReader.h"
#include "core/TapeEntries.h"
#include "core/TapeExport.h"
#include "core/TapeFiles.h"
#include "core/TapeView.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>

Q_LOGGING_CATEGORY(lcEntries, "polymetra.tape.entries")

TapeEntryMenu::TapeEntryMenu(MainWindow& window)
    : QObject(&window), m_window(window), m_tape(window.tapeTextView())
{
    m_tape->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_tape, &QWidget::customContextMenuRequested, this, &TapeEntryMenu::showMenu);
    m_tape->viewport()->installEventFilter(this);
}

TapeEntryMenu::~TapeEntryMenu() = default;

void TapeEntryMenu::report(const QString& message) const
{
    Notices::instance().report(lcEntries(), message);
}

int TapeEntryMenu::entryCount() const
{
    return m_tape->olderEntryCount() + int(TapeEntries::read(*m_tape->document()).size());
}

int TapeEntryMenu::entryAt(const QPoint& viewportPosition) const
{
    // Entries are numbered over the whole tape, the older ones not in the view first.
    const int block = m_tape->cursorForPosition(viewportPosition).blockNumber();
    const std::vector<TapeRecord> entries = TapeEntries::read(*m_tape->document());
    for (size_t i = 0; i < entries.size(); ++i) {
        if (entries[i].firstBlock <= block && block <= entries[i].lastBlock)
            return m_tape->olderEntryCount() + int(i);
    }
    return -1;
}

bool TapeEntryMenu::entry(int index, TapeRecord* found) const
{
    // An entry in the view is found there; an older one needs the whole tape.
    const int older = index < 0 ? 0 : m_tape->olderEntryCount();
    const bool inView = index >= older;
    const std::unique_ptr<QTextDocument> copy = inView ? nullptr : m_tape->wholeCopy();
    const std::vector<TapeRecord> entries = TapeEntries::read(copy ? *copy : *m_tape->document());
    const qsizetype at = inView ? index - older : index;
    if (at < 0 || size_t(at) >= entries.size()) {
        report(localized("There is no such entry on the tape."));
        return false;
    }
    *found = entries[size_t(at)];
    return true;
}

bool TapeEntryMenu::useEntry(int index)
{
    TapeRecord found;
    if (!entry(index, &found))
        return false;
    ShapeCalculator* calculator = m_window.calculator(m_tape->heldShape());
    if (!calculator) {
        report(localized("The tape's shape has no calculator."));
        return false;
    }
    QString why;
    if (!EntryReuse::apply(found, *calculator, &why)) {
        report(localized("The entry's values cannot be used: %1").arg(why));
        return false;
    }
    return true;
}

bool TapeEntryMenu::copyEntry(int index)
{
    TapeRecord found;
    if (!entry(index, &found))
        return false;
    const QChar separator = NumberFormatter::shared().separator();
    auto* mime = new QMimeData;
    mime->setText(TapeExport::entryText(found, separator));
    mime->setHtml(TapeExport::entryHtml(found, separator));
    QApplication::clipboard()->setMimeData(mime);
    return true;
}

bool TapeEntryMenu::removeEntry(int index)
{
    // The blocks to remove are counted in the whole tape.
    m_tape->wholeDocument();
    TapeRecord found;
    if (!entry(index, &found))
        return false;
    const QString shape = m_tape->heldShape();
    if (!m_tape->canSave()) {
        report(localized("The %1 tape cannot be changed: its file could not be read.")
                   .arg(localized(shape.toUtf8().constData())));
        return false;
    }
    QTextDocument* shown = m_tape->wholeDocument();
    std::unique_ptr<QTextDocument> before(shown->clone());
    before->setUndoRedoEnabled(false);
    before->setDocumentLayout(new QPlainTextDocumentLayout(before.get()));

    // An entry owns its blocks and the paragraph mark after them; the last entry owns
    // instead the empty line that separated it from the one before.
    std::unique_ptr<QTextDocument> after(before->clone());
    after->setUndoRedoEnabled(false);
    after->setDocumentLayout(new QPlainTextDocumentLayout(after.get()));
    QTextCursor cursor(after.get());
    const QTextBlock first = after->findBlockByNumber(found.firstBlock);
    const QTextBlock last = after->findBlockByNumber(found.lastBlock);
    int start = first.position();
    int end = last.position() + last.length() - 1;
    if (last.next().isValid())
        end = last.next().position();
    else if (first.previous().isValid())
        start = first.previous().position() + first.previous().length() - 1;
    // The separating line break before this paragraph mark goes with the last entry.
    if (!last.next().isValid() && start > 0 && RtfReader::isBreak(after->characterAt(start - 1)))
        --start;
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();

    m_tape->holdTape(shape, std::move(after));
    if (!TapeFiles::saveTape(shape, m_tape)) {
        m_tape->holdTape(shape, std::move(before));
        return false;
    }
    m_beforeRemoval = std::move(before);
    m_removedFrom = shape;
    m_afterRemoval = m_tape->document();
    m_revisionAfterRemoval = m_tape->document()->characterCount();
    emit undoAvailabilityChanged();
    return true;
}

bool TapeEntryMenu::undoRemove()
{
    if (!m_beforeRemoval)
        return false;
    // Only the tape exactly as the removal left it is put back: a new entry since would
    // otherwise be lost.
    if (m_tape->document() != m_afterRemoval || m_tape->heldShape() != m_removedFrom ||
        m_tape->document()->characterCount() != m_revisionAfterRemoval) {
        report(localized("The tape has changed since the entry was removed, so it was not put "
                         "back."));
        m_beforeRemoval.reset();
        emit undoAvailabilityChanged();
        return false;
    }
    m_tape->holdTape(m_removedFrom, std::move(m_beforeRemoval));
    emit undoAvailabilityChanged();
    return TapeFiles::saveTape(m_removedFrom, m_tape);
}

void TapeEntryMenu::showMenu(const QPoint& viewportPosition)
{
    const int index = entryAt(viewportPosition);
    QMenu menu(m_tape);
    QAction* use = menu.addAction(localized("Use These Values"));
    QAction* copy = menu.addAction(localized("Copy Entry"));
    QAction* remove = menu.addAction(localized("Remove Entry"));
    menu.addSeparator();
    QAction* undo = menu.addAction(localized("Undo Remove Entry"));
    // The view's own commands, which its standard menu gave.
    menu.addSeparator();
    QAction* copySelection = menu.addAction(localized("&Copy"), m_tape, &QPlainTextEdit::copy);
    copySelection->setEnabled(m_tape->textCursor().hasSelection());
    menu.addAction(localized("Select &All"), m_tape, &QPlainTextEdit::selectAll);
    for (QAction* action : {use, copy, remove})
        action->setEnabled(index >= 0);
    undo->setEnabled(canUndoRemove());
    QAction* chosen = menu.exec(m_tape->viewport()->mapToGlobal(viewportPosition));
    if (chosen == use)
        useEntry(index);
    else if (chosen == copy)
        copyEntry(index);
    else if (chosen == remove)
        removeEntry(index);
    else if (chosen == undo)
        undoRemove();
}

bool TapeEntryMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        const int index = entryAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (index >= 0) {
            useEntry(index);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}
