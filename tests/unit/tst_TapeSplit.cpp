#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/TapeEntries.h"
#include "core/TapeSplit.h"

#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

const QByteArray header = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss "
                          "Helvetica;}\n{\\colortbl;\\red120\\green120\\blue120;\\red43\\green"
                          "136\\blue230;}\n\\f0 ";

// Entries one paragraph per line (the date's mark grouped) or one paragraph each with
// escaped text, as older and current builds write them.
QByteArray tape(int count, bool paragraphEach)
{
    QByteArray rtf = header;
    for (int i = 0; i < count; ++i) {
        const QByteArray n = QByteArray::number(i);
        if (paragraphEach)
            rtf += QByteArray(i ? "{\\line }\\par\n" : "") + "{\\cf1 7 Dec " + n +
                   "}{\\cf2 \\line R: " + n + "}{\\line N: \\{{\\u233\\'3f}\\\\\\}}";
        else
            rtf += QByteArray(i ? "\\par\n\\par\n" : "") + "{\\cf1 7 Dec " + n +
                   "}{\\cf2\\par}\n{\\cf2 R: " + n + "}\\par\n{A: \\u960\\'3f}";
    }
    return rtf + "}\n";
}

QStringList entryTexts(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::readTape(rtf, document);
    QStringList texts;
    for (const TapeRecord& entry : TapeEntries::read(document)) {
        QString text = entry.date;
        for (const TapeLine& line : entry.lines)
            text += '|' + line.label + '=' + line.text + (line.given ? "*" : "");
        texts.append(text);
    }
    return texts;
}

} // namespace

// A long tape read in parts reads as the whole, and saved from its parts is the same tape;
// a tape the split cannot be sure of is not split.
class TapeSplitTest : public QObject {
    Q_OBJECT
private slots:
    void partsReadAsTheWhole_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("newest");
        QTest::addColumn<int>("chunk");
        QTest::newRow("paragraph each, chunks of one") << tape(9, true) << 3 << 1;
        QTest::newRow("paragraph each, one chunk") << tape(9, true) << 1 << 100;
        QTest::newRow("paragraph per line, chunks of two") << tape(8, false) << 2 << 2;
    }
    void partsReadAsTheWhole()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, newest);
        QFETCH(int, chunk);
        std::optional<TapeSplit> split = TapeSplit::of(rtf, newest);
        QVERIFY(split);
        const QByteArray newestRtf = split->takeNewest();
        QStringList parts = entryTexts(newestRtf);
        QCOMPARE(parts.size(), newest);
        while (split->olderLeft() > 0)
            parts = entryTexts(split->takeOlder(chunk)) + parts;
        const QStringList whole = entryTexts(rtf);
        QCOMPARE(parts, whole);

        // Saved from its parts, an entry added in a colour the file's table lacks.
        QTextDocument shown;
        RtfReader::readTape(newestRtf, shown);
        QTextCursor end(&shown);
        end.movePosition(QTextCursor::End);
        QTextCharFormat newBlue;
        newBlue.setForeground(QColor(0, 0, 255));
        end.insertText(QString(QChar::LineSeparator) + QChar::ParagraphSeparator + "8 Dec", {});
        end.insertText(QString(QChar::LineSeparator) + "R: 99", newBlue);
        RtfWriter writer;
        writer.seedColours(split->colours());
        const QList<QByteArray> body = writer.grownBody(shown);
        QCOMPARE(entryTexts(writer.header() + split->olderBytes() + body.join() + "}\n"),
                 whole + QStringList{"8 Dec|R=99*"});
    }
    void tapesNotSureToSplitAreReadWhole_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        const QByteArray body = tape(6, false).mid(header.size());
        QTest::newRow("too few entries") << tape(3, false);
        QTest::newRow("another writer's header")
            << "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}\n\\f0 " +
                   body;
        QTest::newRow("no auto colour")
            << QByteArray(header).replace("{\\colortbl;", "{\\colortbl") + body;
        QTest::newRow("bold from the body's start") << header + "\\b " + body;
        QTest::newRow("entries inside a group") << header + "{" + body;
    }
    void tapesNotSureToSplitAreReadWhole()
    {
        QFETCH(QByteArray, rtf);
        QVERIFY(!TapeSplit::of(rtf, 3));
    }
};

QTEST_MAIN(TapeSplitTest)
#include "tst_TapeSplit.moc"
