#include "core/TapeSplit.h"

#include "core/RtfParser.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <QTextDocument>

std::optional<TapeSplit> TapeSplit::of(const QByteArray& rtf, int newestEntries)
{
    if (newestEntries < 1 || !rtf.startsWith("{\\rtf"))
        return std::nullopt;
    // A first pass reads the whole tape without keeping its text: it finds the colour
    // table and where the entries start.
    std::vector<qsizetype> starts;
    QTextDocument unused;
    RtfParser scan(unused, RtfParser::Paragraphs::TapeLines);
    const qsizetype headerEnd = rtf.indexOf("}\n\\f0 ");
    if (headerEnd < 0)
        return std::nullopt;
    const qsizetype bodyStart = headerEnd + 6;
    scan.noteEntryStarts(bodyStart, &starts, false);
    scan.parse(rtf);

    const QList<QColor>& table = scan.colours();
    if (table.isEmpty() || table.first().isValid())
        return std::nullopt; // no colour table, or none that starts with "auto"
    TapeSplit split;
    split.m_colours = table.mid(1);
    for (const QColor& colour : std::as_const(split.m_colours)) {
        if (!colour.isValid())
            return std::nullopt;
    }
    RtfWriter writer;
    writer.seedColours(split.m_colours);
    split.m_header = writer.header();
    if (split.m_header.size() != bodyStart || !rtf.startsWith(split.m_header))
        return std::nullopt; // a header of another writer: its body may depend on it
    // The body's start is an entry's start too; the reader notes only the later ones.
    starts.insert(starts.begin(), bodyStart);
    if (starts.size() <= size_t(newestEntries))
        return std::nullopt;

    const qsizetype cut = starts[starts.size() - size_t(newestEntries)];
    split.m_older = rtf.mid(bodyStart, cut - bodyStart);
    split.m_newest = split.m_header;
    split.m_newest.append(rtf.constData() + cut, rtf.size() - cut);
    starts.resize(starts.size() - size_t(newestEntries));
    for (qsizetype& start : starts)
        start -= bodyStart;
    split.m_starts = std::move(starts);
    split.m_left = split.m_starts.size();
    return split;
}

QByteArray TapeSplit::takeNewest()
{
    return std::exchange(m_newest, QByteArray());
}

QByteArray TapeSplit::takeOlder(int count)
{
    const size_t taken = std::min(m_left, size_t(std::max(0, count)));
    if (taken == 0)
        return {};
    m_left -= taken;
    return olderRange(int(m_left), int(m_left + taken));
}

QByteArray TapeSplit::olderRange(int first, int end) const
{
    if (first < 0 || end <= first || size_t(end) > m_starts.size())
        return {};
    const qsizetype begin = m_starts[size_t(first)];
    const qsizetype stop = size_t(end) == m_starts.size() ? m_older.size() : m_starts[size_t(end)];
    QByteArray chunk = m_header;
    chunk.append(m_older.constData() + begin, stop - begin);
    chunk.append("}\n");
    return chunk;
}
