#include "app/ClearedTape.h"

#include "core/Localization.h"
#include "core/Notices.h"
#include "core/TapeFiles.h"
#include "core/TapeView.h"

ClearedTape::ClearedTape(QObject* parent) : QObject(parent) {}

ClearedTape::~ClearedTape() = default;

void ClearedTape::clear(const QString& shape, TapeView* tapeTextView)
{
    if (!tapeTextView)
        return;
    TapeFiles::ensureHolding(shape, tapeTextView);
    const bool hadEntries = !tapeTextView->document()->isEmpty();
    QByteArray entries = hadEntries ? tapeTextView->rtf() : QByteArray();
    TapeFiles::clearTape(shape, tapeTextView);
    // A tape that could not be cleared (its unreadable file still in place) keeps its
    // entries; an empty one has nothing to bring back.
    if (!hadEntries || !tapeTextView->document()->isEmpty())
        return;
    m_shape = shape;
    m_entries = std::move(entries);
    emit availabilityChanged(true);
}

bool ClearedTape::undo(TapeView* tapeTextView)
{
    if (m_entries.isEmpty() || !tapeTextView)
        return false;
    TapeFiles::ensureHolding(m_shape, tapeTextView);
    if (!tapeTextView->document()->isEmpty()) {
        Notices::instance().report(
            lcTape(), localized("The %1 tape has new entries since it was cleared, so the cleared "
                                "entries were not put back.")
                          .arg(localized(m_shape.toUtf8().constData())));
        forget();
        return false;
    }
    tapeTextView->holdTapeFile(m_shape, m_entries);
    const bool saved = TapeFiles::saveTape(m_shape, tapeTextView);
    forget();
    return saved;
}

void ClearedTape::forget()
{
    m_entries.clear();
    m_shape.clear();
    emit availabilityChanged(false);
}
