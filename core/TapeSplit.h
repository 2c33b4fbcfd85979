#pragma once

#include <QByteArray>
#include <QColor>
#include <QList>

#include <optional>
#include <vector>

// A long tape held in two parts: its newest entries to be read into the view, and the
// older ones kept as the bytes of the file, read a chunk at a time when wanted and
// written back as they are when the tape is saved. Only a tape in the program's own form
// is split: a header exactly as RtfWriter writes it, and entries found by the reader
// itself (RtfParser::noteEntryStarts), so that every part reads as it would in the whole.
class TapeSplit {
public:
    // Splits `rtf` when it is in that form and has more than `newestEntries` entries.
    static std::optional<TapeSplit> of(const QByteArray& rtf, int newestEntries);

    // The newest entries as a document of their own (header, their bytes, the file's end).
    // Handed out once; the split keeps no copy.
    QByteArray takeNewest();
    // How many older entries have not been taken yet.
    int olderLeft() const { return int(m_left); }
    // The newest `count` of the older entries left, as a document of their own whose last
    // paragraph mark separates them from the entries after them.
    QByteArray takeOlder(int count);
    // Marks every older entry taken, once they were read by olderRange().
    void takeAllOlder() { m_left = 0; }
    // Older entries [first, end) as a document of their own, taken or not.
    QByteArray olderRange(int first, int end) const;

    // The older entries' bytes as the file holds them: what the tape's body starts with.
    const QByteArray& olderBytes() const { return m_older; }
    // The file's colour table after its "auto" entry, for RtfWriter::seedColours.
    const QList<QColor>& colours() const { return m_colours; }

private:
    QByteArray m_header;
    QByteArray m_older;
    QByteArray m_newest;
    std::vector<qsizetype> m_starts; // where each older entry starts in m_older
    size_t m_left = 0;
    QList<QColor> m_colours;
};
