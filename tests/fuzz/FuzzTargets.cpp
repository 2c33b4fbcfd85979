#include "FuzzTargets.h"

#include "app/VersionList.h"
#include "core/RtfReader.h"

#include <QByteArray>
#include <QTextDocument>

#include <cstdlib>

void fuzzRtfReader(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    RtfReader::read(bytes, document);
    // Every character of the result comes from at least one input byte.
    if (document.toPlainText().size() > qsizetype(size))
        std::abort();
}

void fuzzVersionList(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> version = VersionList::versionFor(bytes);
    if (!version)
        return;
    // Whatever gets through is short plain version text, fit to show in an alert.
    if (version->isEmpty() || version->size() > 32 || version->size() > qsizetype(size))
        std::abort();
    for (const QChar c : *version) {
        if (c.unicode() > 0x7e || !(c.isLetterOrNumber() || QStringLiteral(".-+_~ ").contains(c)))
            std::abort();
    }
}
