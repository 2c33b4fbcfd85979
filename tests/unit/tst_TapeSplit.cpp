#include "core/Colours.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/TapeEntries.h"
#include "core/TapeSplit.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

// A long tape read in parts reads as the whole, and written back from its parts is the
// same tape; a tape the split cannot be sure of is not split.
class TapeSplitTest : public QObject {
    Q_OBJECT
private slots:
    void partsReadAsTheWhole_data();
    void partsReadAsTheWhole();
    void tapesNotSureToSplitAreReadWhole_data();
    void tapesNotSureToSplitAreReadWhole();
};

namespace {

const QByteArray ownHeader = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss "
                             "Helvetica;}\n{\\colortbl;\\red120\\green120\\blue120;\\red43\\green"
                             "136\\blue230;}\n\\f0 ";

// Entries as the view writes them (one paragraph each), with text that must be escaped.
QByteArray entriesInParagraphs(int count)
{
    QTextDocument document;
    QTextCursor cursor(&document);
    QTextCharFormat grey, blue;
    grey.setForeground(Colours::tapeDateLine());
    blue.setForeground(Colours::tapeGivenValue());
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            cursor.insertText(QString(QChar::LineSeparator) + QChar::ParagraphSeparator, {});
        cursor.insertText(QStringLiteral("7 Dec 2026 10:%1").arg(i), grey);
        cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("Radius: %1").arg(i),
                          blue);
        cursor.insertText(QString(QChar::LineSeparator) + QStringLiteral("Name: {é\\} ü"), {});
    }
    return RtfWriter::write(document);
}

// The older one-paragraph-per-line form, a grouped paragraph mark after the date.
QByteArray entriesInLines(int count)
{
    QByteArray rtf = ownHeader;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            rtf += "\\par\n\\par\n";
        rtf += "{\\cf1 7 Dec 2026 01:0" + QByteArray::number(i) +
               "}{\\cf2\\par}\n{\\cf2 Radius: " + QByteArray::number(i) +
               "}\\par\n{Area: \\u960\\'3f}";
    }
    return rtf + "}\n";
}

QStringList entryTexts(const QTextDocument& document)
{
    QStringList texts;
    for (const TapeRecord& entry : TapeEntries::read(document)) {
        QString text = entry.date;
        for (const TapeLine& line : entry.lines)
            text += '|' + line.label + '=' + line.text + (line.given ? "*" : "");
        texts.append(text);
    }
    return texts;
}

QStringList entryTexts(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::readTape(rtf, document);
    return entryTexts(document);
}

} // namespace

void TapeSplitTest::partsReadAsTheWhole_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("newest");
    QTest::addColumn<int>("chunk");
    QTest::newRow("own form, chunks of one") << entriesInParagraphs(9) << 3 << 1;
    QTest::newRow("own form, a chunk past the first") << entriesInParagraphs(9) << 1 << 5;
    QTest::newRow("line form, chunks of two") << entriesInLines(8) << 2 << 2;
    QTest::newRow("line form, all at once") << entriesInLines(8) << 5 << 100;
}

void TapeSplitTest::partsReadAsTheWhole()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, newest);
    QFETCH(int, chunk);
    std::optional<TapeSplit> split = TapeSplit::of(rtf, newest);
    QVERIFY(split);
    const QStringList whole = entryTexts(rtf);
    const QByteArray newestRtf = split->takeNewest();
    QStringList parts = entryTexts(newestRtf);
    QCOMPARE(parts.size(), newest);
    while (split->olderLeft() > 0)
        parts = entryTexts(split->takeOlder(chunk)) + parts;
    QCOMPARE(parts, whole);

    // Saved from its parts (the older bytes as they were, the newest written again with an
    // entry in a colour the file's table lacks), the file is the same tape to any reader.
    QTextDocument shown;
    RtfReader::readTape(newestRtf, shown);
    QTextCursor end(&shown);
    end.movePosition(QTextCursor::End);
    QTextCharFormat newBlue;
    newBlue.setForeground(QColor(0, 0, 255));
    end.insertText(QString(QChar::LineSeparator) + QChar::ParagraphSeparator + "8 Dec 2026", {});
    end.insertText(QString(QChar::LineSeparator) + "Radius: 99", newBlue);
    RtfWriter writer;
    writer.seedColours(split->colours());
    QByteArray body;
    for (const QByteArray& piece : writer.grownBody(shown))
        body += piece;
    const QByteArray saved = writer.header() + split->olderBytes() + body + "}\n";
    QCOMPARE(entryTexts(saved), whole + QStringList{"8 Dec 2026|Radius=99*"});
}

void TapeSplitTest::tapesNotSureToSplitAreReadWhole_data()
{
    QTest::addColumn<QByteArray>("rtf");
    const QByteArray body = entriesInLines(6).mid(ownHeader.size());
    QTest::newRow("too few entries") << entriesInLines(3);
    QTest::newRow("another writer's header")
        << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}\n\\f0 " + body;
    QTest::newRow("a colour table without its auto entry")
        << QByteArray(ownHeader).replace("{\\colortbl;", "{\\colortbl") + body;
    QTest::newRow("bold from the body's start") << ownHeader + "\\b " + body;
    QTest::newRow("entries inside a group") << ownHeader + "{" + body;
    QTest::newRow("not RTF") << QByteArray("7 Dec 2026\nRadius: 2\n\n7 Dec 2026\nRadius: 3");
}

void TapeSplitTest::tapesNotSureToSplitAreReadWhole()
{
    QFETCH(QByteArray, rtf);
    QVERIFY(!TapeSplit::of(rtf, 3));
}

QTEST_MAIN(TapeSplitTest)
#include "tst_TapeSplit.moc"
