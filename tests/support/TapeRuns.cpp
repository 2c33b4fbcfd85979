#include "support/TapeRuns.h"

#include "core/Colours.h"

#include <QJsonObject>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QString colourName(const QTextCharFormat& format)
{
    if (!format.hasProperty(QTextFormat::ForegroundBrush) ||
        format.foreground().style() == Qt::NoBrush)
        return QStringLiteral("default");
    const QColor colour = format.foreground().color();
    if (colour.rgb() == Colours::tapeDateLine().rgb())
        return QStringLiteral("grey");
    if (colour.rgb() == Colours::tapeGivenValue().rgb())
        return QStringLiteral("blue");
    return colour.name();
}

void append(QJsonArray& runs, QString text, const QString& colour)
{
    if (text.isEmpty())
        return;
    // A tape's lines may be line breaks inside a paragraph: all read as "\n".
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    if (!runs.isEmpty()) {
        QJsonObject last = runs.last().toObject();
        if (last.value(QStringLiteral("colour")).toString() == colour) {
            last[QStringLiteral("text")] = last.value(QStringLiteral("text")).toString() + text;
            runs[runs.size() - 1] = last;
            return;
        }
    }
    runs.append(QJsonObject{{QStringLiteral("text"), text}, {QStringLiteral("colour"), colour}});
}

} // namespace

QJsonArray TapeRuns::of(const QTextDocument& document)
{
    QJsonArray runs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // A paragraph break carries the format it was inserted with.
        if (block != document.begin())
            append(runs, QStringLiteral("\n"), colourName(block.charFormat()));
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (fragment.isValid())
                append(runs, fragment.text(), colourName(fragment.charFormat()));
        }
    }
    return runs;
}
