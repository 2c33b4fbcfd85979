#include "core/Colours.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/TapeEntries.h"
#include "core/TapeExport.h"
#include "core/TapeSplit.h"
#include "shapes2d/CircleSolver.h"
#include "support/TapeRuns.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// Entries as the tape view writes them: one paragraph each, lines joined by U+2028, the
// date grey and the given values blue.
void addEntry(QTextDocument& document, const QString& date, const QStringList& lines)
{
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    QTextCharFormat grey, blue;
    grey.setForeground(Colours::tapeDateLine());
    blue.setForeground(Colours::tapeGivenValue());
    if (!document.isEmpty())
        cursor.insertText(QString(QChar::LineSeparator) + QChar::ParagraphSeparator, {});
    cursor.insertText(date, grey);
    for (const QString& line : lines) {
        const bool given = line.startsWith(QLatin1Char('*'));
        cursor.insertText(QString(QChar::LineSeparator) + line.mid(given ? 1 : 0),
                          given ? blue : QTextCharFormat());
    }
}

void fillTape(QTextDocument& document)
{
    addEntry(document, "07/12/2026 10:00", {"*Radius: 2.5", "Diameter: 5", "Area: 19.63"});
    addEntry(document, "07/12/2026 10:01", {"Radius: 1,5", "*Diameter: 3", "Area: 7,07"});
    addEntry(document, "07/12/2026 10:02",
             {"*Number of Sides: 6", "*Side: 2", "Area: 1.2e+21", "Name: Hexagon"});
}

} // namespace

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

namespace {

std::unique_ptr<QTextDocument> documentFrom(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    if (!RtfReader::read(rtf, *document))
        return nullptr;
    return document;
}

// The format of the text's first character; a text not found has none.
QTextCharFormat formatOfText(const QTextDocument& document, const QString& text)
{
    QTextCursor cursor = document.find(text);
    cursor.setPosition(cursor.selectionStart() + 1);
    return cursor.charFormat();
}

// A missing file reads as nothing, which no reader takes for RTF.
QByteArray testData(const char* name)
{
    QFile file(QStringLiteral(POLYMETRA_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Tapes as RTF, written and read back run for run, and RTF from other writers read; a tape
// read into entries and written out in each format, with either decimal separator; a long
// tape read in parts reads as the whole, and saved from its parts is the same tape, while
// a tape the split cannot be sure of is not split.
class TapesTest : public QObject {
    Q_OBJECT
private slots:
    void entriesAreReadWithTheirGivenMarks()
    {
        QTextDocument document;
        fillTape(document);
        // A saved and reloaded tape reads the same.
        QTextDocument reloaded;
        QVERIFY(RtfReader::readTape(RtfWriter::write(document), reloaded));
        for (const QTextDocument* tape : {&document, &reloaded}) {
            const std::vector<TapeRecord> entries = TapeEntries::read(*tape);
            QCOMPARE(entries.size(), size_t(3));
            QCOMPARE(entries[1].date, QStringLiteral("07/12/2026 10:01"));
            const std::vector<TapeLine> expected{
                {"Radius", "1,5", false}, {"Diameter", "3", true}, {"Area", "7,07", false}};
            QCOMPARE(entries[1].lines, expected);
            QCOMPARE(entries[2].lines.back(), (TapeLine{"Name", "Hexagon", false}));
            QCOMPARE(entries[2].firstBlock, 2);
        }
    }
    void formats_data()
    {
        QTest::addColumn<int>("format");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QStringList>("expected"); // lines or fragments the output must hold

        const int csv = int(TapeExport::Format::Csv), text = int(TapeExport::Format::Text),
                  html = int(TapeExport::Format::Html);
        // Lines or fragments split at "|".
        const auto row = [](const char* name, int format, char separator, const char* expected) {
            QTest::newRow(name) << format << QChar(separator) << QString(expected).split('|');
        };
        row("csv, point", csv, '.',
            "Date,Radius,Diameter,Area,Number of Sides,Side,Name,Given|"
            "07/12/2026 10:00,2.5,5,19.63,,,,Radius|07/12/2026 10:01,1.5,3,7.07,,,,Diameter|"
            "07/12/2026 10:02,,,1.2e+21,6,2,Hexagon,Number of Sides + Side|");
        row("csv, comma: fields split by semicolons", csv, ',',
            "Date;Radius;Diameter;Area;Number of Sides;Side;Name;Given|"
            "07/12/2026 10:00;2,5;5;19,63;;;;Radius|07/12/2026 10:01;1,5;3;7,07;;;;Diameter|"
            "07/12/2026 10:02;;;1,2e+21;6;2;Hexagon;Number of Sides + Side|");
        row("text, comma", text, ',',
            "07/12/2026 10:00|Radius: 2,5 (given)|Diameter: 5|Area: 19,63||07/12/2026 10:01");
        row("text, point", text, '.',
            "07/12/2026 10:00|Radius: 2.5 (given)|Diameter: 5|Area: 19.63");
        row("html, comma", html, ',',
            "<td>Radius</td><td><b>2,5</b> (given)</td>|<td>Area</td><td>1,2e+21</td>");
        row("html, point", html, '.',
            "<td>Radius</td><td><b>2.5</b> (given)</td>|<td>Area</td><td>7.07</td>|"
            "<b>07/12/2026 10:02</b>");
    }
    void formats()
    {
        QFETCH(int, format);
        QFETCH(QChar, separator);
        QFETCH(QStringList, expected);
        QTextDocument document;
        fillTape(document);
        const QString out =
            QString::fromUtf8(TapeExport::encode(TapeExport::Format(format), document, separator));
        if (format == int(TapeExport::Format::Html)) {
            for (const QString& fragment : expected)
                QVERIFY2(out.contains(fragment), qPrintable(fragment));
            return;
        }
        const QString newline =
            format == int(TapeExport::Format::Csv) ? QStringLiteral("\r\n") : QStringLiteral("\n");
        const QStringList lines = out.split(newline);
        QCOMPARE(lines.mid(0, expected.size()), expected);
    }
    void csvQuotesWhatItMust()
    {
        QTextDocument document;
        addEntry(document, "7.12.2026, 10:00", {"*Side \"a\": 1.5", "=HYPERLINK(1): 2"});
        QCOMPARE(TapeExport::csv(TapeEntries::read(document), QLatin1Char('.')),
                 QStringLiteral("Date,\"Side \"\"a\"\"\",'=HYPERLINK(1),Given\r\n"
                                "\"7.12.2026, 10:00\",1.5,2,\"Side \"\"a\"\"\"\r\n"));
    }
    void pdfAndRtfKeepEveryEntry()
    {
        QTextDocument document;
        fillTape(document);
        const QByteArray pdf = TapeExport::encode(TapeExport::Format::Pdf, document, QChar(','));
        QVERIFY(pdf.startsWith("%PDF-"));
        QCOMPARE(pdf.count("/Type /Page\n"), 1);
        // The tape file as it is saved, which reads back entry for entry (see above).
        QCOMPARE(TapeExport::encode(TapeExport::Format::Rtf, document, QChar(',')),
                 RtfWriter::write(document));
    }
    void workingFollowsEachEntryWhenAsked()
    {
        QTextDocument document;
        fillTape(document);
        addEntry(document, "07/12/2026 10:03", {"*Radius: 2", "*Bogus: 3"});
        const ShapeFieldTable& circle = CircleSolver::fieldTable();
        const auto encoded = [&](TapeExport::Format format) {
            return QString::fromUtf8(TapeExport::encode(format, document, ',', nullptr, &circle));
        };
        // Solved again from the values given, whatever separator the entry was written with; an
        // entry the circle cannot explain (the polygon's, a label it lacks) has none.
        const QStringList text = encoded(TapeExport::Format::Text).split('\n');
        QCOMPARE(text.mid(4, 3),
                 (QStringList{"Working:", "  Given: Radius = 2,5", "  d = 2·r = 2·2,5 = 5"}));
        QCOMPARE(text.count("Working:"), 2);
        const QStringList csv = encoded(TapeExport::Format::Csv).split("\r\n");
        QVERIFY(csv[0].endsWith(";Given;Working"));
        QVERIFY(csv[2].endsWith(";Diameter;\"Given: Diameter = 3\nr = d/2 = 3/2 = 1,5\n"
                                "S = π·r² = π·1,5² = 7,07\nC = 2·π·r = 2·π·1,5 = 9,42\""));
        QVERIFY(csv[3].endsWith(";Number of Sides + Side;"));
        QVERIFY(encoded(TapeExport::Format::Html).contains("<li>d = 2·r = 2·2,5 = 5</li>"));
        // The tape file is the tape itself.
        QCOMPARE(TapeExport::encode(TapeExport::Format::Rtf, document, ',', nullptr, &circle),
                 RtfWriter::write(document));
    }
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
    void aWrittenTapeReadsBackRunForRun_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QList<int>>("colours"); // 0 default, 1 grey, 2 blue
        QTest::newRow("empty tape") << QStringList{} << QList<int>{};
        QTest::newRow("one entry")
            << QStringList{"6/12/26 20:40", "\nRadius: 1.78", "\nArea: 10.000"}
            << QList<int>{1, 0, 2};
        QTest::newRow("two entries")
            << QStringList{"d1", "\nRadius: 1", "\n\n", "d2", "\nRadius: 2"}
            << QList<int>{1, 2, 0, 1, 0};
        QTest::newRow("rtf specials and non-ascii")
            << QStringList{"{braces} \\back\\ tab\there", "\nÄrea: 3,5 € αβγ 😀"}
            << QList<int>{0, 2};
    }
    void aWrittenTapeReadsBackRunForRun()
    {
        QFETCH(QStringList, lines);
        QFETCH(QList<int>, colours);
        const QColor palette[] = {QColor(), QColor(120, 120, 120), QColor(43, 136, 230)};

        QTextDocument original;
        QTextCursor cursor(&original);
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QTextCharFormat format;
            if (colours[i] != 0)
                format.setForeground(palette[colours[i]]);
            cursor.insertText(lines[i], format);
        }
        const QByteArray rtf = RtfWriter::write(original);
        QVERIFY(!rtf.contains("\xc3")); // RTF is seven-bit: non-ASCII goes out escaped

        QTextDocument reread;
        QVERIFY(RtfReader::read(rtf, reread));
        QCOMPARE(reread.toPlainText(), original.toPlainText());
        QCOMPARE(TapeRuns::of(reread), TapeRuns::of(original));
    }

    // Other readers see these bytes: a bare "?" fallback costs some of them the next character.
    void writesNonAsciiAsAUnicodeEscapeWithAHexFallback_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("escaped");
        QTest::newRow("latin letter") << "Är" << QByteArray("{\\u196\\'3f}r");
        QTest::newRow("above 7fff as a negative number")
            << QString(QChar(0xF0B7)) + "x" << QByteArray("{\\u-3913\\'3f}x");
        QTest::newRow("surrogate pair")
            << QString::fromUtf8("😀x") << QByteArray("{\\u-10179\\'3f}{\\u-8704\\'3f}x");
    }
    void writesNonAsciiAsAUnicodeEscapeWithAHexFallback()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, escaped);
        QTextDocument document(text);
        const QByteArray rtf = RtfWriter::write(document);
        QVERIFY2(rtf.contains(escaped), rtf.constData());
    }

    void readsText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text"); // null: refused, the document left alone
        const auto row = [](const char* name, const QByteArray& rtf, const char* text) {
            QTest::newRow(name) << rtf << (text ? QString::fromUtf8(text) : QString());
        };
        row("plain", R"({\rtf1 Hello})", "Hello");
        row("hex escape in code page 1252", R"({\rtf1\ansi caf\'e9 \'80})", "café €");
        row("unicode with one fallback", R"({\rtf1 \u8364?5})", "€5");
        row("unicode with hex fallback", R"({\rtf1 \u8364\'80x})", "€x");
        row("tape character as written now", R"({\rtf1\uc1 {Area {\u8364\'3f}5}})", "Area €5");
        row("tape character as written before", R"({\rtf1\uc1 {Area {\u8364?}5}})", "Area €5");
        row("no fallback after uc0", R"({\rtf1\uc0\u8364 5})", "€5");
        row("two fallbacks", R"({\rtf1\uc2\u8364 ab5})", "€5");
        row("negative unicode", R"({\rtf1 \u-3913?})", "\uF0B7");
        row("surrogate pair", R"({\rtf1 \u-10179?\u-8704?})", "😀");
        row("escaped specials", R"({\rtf1 \{a\}\\})", R"({a}\)");
        row("binary data skipped", R"({\rtf1 a\bin3 }{}b})", "ab");
        row("binary length beyond the end", R"({\rtf1 a\bin99999 xyz})", "a");
        row("font table and style sheet skipped",
            R"({\rtf1{\fonttbl{\f0 Arial;}}{\stylesheet{\s0 Normal;}}Text})", "Text");
        row("unknown ignorable destination skipped", R"({\rtf1{\*\somethingnew hidden}shown})",
            "shown");
        row("picture skipped", R"({\rtf1{\pict\pngblip 89504e47}x})", "x");
        row("field result kept, instruction skipped",
            R"({\rtf1{\field{\*\fldinst HYPERLINK x}{\fldrslt link}}})", "link");
        row("paragraphs and line breaks", R"({\rtf1 one\par two\line three})", "one\ntwo\nthree");
        row("backslash newline is a paragraph", "{\\rtf1 one\\\ntwo}", "one\ntwo");
        row("raw line feeds are not text", "{\\rtf1 on\r\ne}", "one");
        row("over-long control word ignored", R"({\rtf1 \abcdefghijklmnopqrstuvwxyzabcdefghij x})",
            "x");
        row("unterminated", R"({\rtf1 open{\b bold)", "openbold");
        row("text after the document ignored", R"({\rtf1 in}out)", "in");
        row("deep nesting bounded",
            "{\\rtf1 a" + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "b}", "ab");
        row("not rtf", "<html>nope</html>", nullptr);
        row("nothing", "", nullptr);
    }
    void readsText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QTextDocument document;
        document.setPlainText("kept");
        QCOMPARE(RtfReader::read(rtf, document), !text.isNull());
        QCOMPARE(document.toPlainText(), text.isNull() ? QString("kept") : text);
    }

    void readsCharacterAndParagraphFormats()
    {
        const QByteArray rtf =
            "{\\rtf1{\\colortbl;\\red43\\green136\\blue230;}"
            "\\pard\\qc {\\cf1 blue}{\\b bold}{\\i italic}{\\ul under}{\\fs36 big}"
            "\\par\\pard plain\\cf99 nocolour}";
        const std::unique_ptr<QTextDocument> document = documentFrom(rtf);
        QVERIFY(document);
        QCOMPARE(formatOfText(*document, "blue").foreground().color(), QColor(43, 136, 230));
        QCOMPARE(formatOfText(*document, "bold").fontWeight(), int(QFont::Bold));
        QVERIFY(formatOfText(*document, "italic").fontItalic());
        QVERIFY(formatOfText(*document, "under").fontUnderline());
        QCOMPARE(formatOfText(*document, "big").fontPointSize(), 18.0);
        QVERIFY(!formatOfText(*document, "nocolour").hasProperty(QTextFormat::ForegroundBrush));
        QCOMPARE(document->begin().blockFormat().alignment(), Qt::AlignHCenter);
        QCOMPARE(document->lastBlock().blockFormat().alignment(), Qt::AlignLeft);
    }

    void readsWhatAWordProcessorWrote()
    {
        const std::unique_ptr<QTextDocument> document =
            documentFrom(testData("libreoffice-coloured.rtf"));
        QVERIFY(document);
        const QString text = document->toPlainText();
        for (const char* part : {"café and €uro", "αβγ", "😀", R"({braces} and \backslash)"})
            QVERIFY2(text.contains(QString::fromUtf8(part)), qPrintable(text));
        QCOMPARE(formatOfText(*document, "Blue given").foreground().color(), QColor(43, 136, 230));
        QCOMPARE(formatOfText(*document, "Grey date").foreground().color(), QColor(120, 120, 120));
        QCOMPARE(formatOfText(*document, "Bold").fontWeight(), int(QFont::Bold));
        QVERIFY(formatOfText(*document, "italic").fontItalic());
        QVERIFY(formatOfText(*document, "underlined").fontUnderline());
        QCOMPARE(formatOfText(*document, "Centred").fontPointSize(), 18.0);
        QCOMPARE(document->find("Centred").block().blockFormat().alignment(), Qt::AlignHCenter);
    }

    void readsTextEditStyleRtf()
    {
        const std::unique_ptr<QTextDocument> document =
            documentFrom(testData("textedit-style.rtf"));
        QVERIFY(document);
        QCOMPARE(document->toPlainText(), QString("12/6/26 8:40 PM\nRadius: 1.78\nArea: 10\n"));
        QCOMPARE(formatOfText(*document, "Area").foreground().color(), QColor(43, 136, 230));
        QCOMPARE(formatOfText(*document, "12/6").foreground().color(), QColor(120, 120, 120));
        QVERIFY(!formatOfText(*document, "Radius").hasProperty(QTextFormat::ForegroundBrush));
    }

    // A tape grows entry by entry; the writer that serialises only the new blocks must give
    // the bytes a whole serialisation gives, colour table included, at every step.
    void aKeptWriterWritesWhatAFreshOneWrites()
    {
        QTextDocument document;
        RtfWriter kept;
        QTextCharFormat grey;
        grey.setForeground(QColor(120, 120, 120));
        QTextCharFormat blue;
        blue.setForeground(QColor(43, 136, 230));
        QTextCursor end(&document);
        QCOMPARE(kept.writeGrown(document), RtfWriter::write(document));
        for (int entry = 0; entry < 4; ++entry) {
            end.movePosition(QTextCursor::End);
            if (entry > 0)
                end.insertText(QStringLiteral("\n\n"), QTextCharFormat());
            end.insertText(QStringLiteral("7.12.26 01:%1").arg(entry), grey);
            QCOMPARE(kept.writeGrown(document), RtfWriter::write(document));
            end.insertText(QStringLiteral("\nRadius: 2"), entry % 2 ? blue : QTextCharFormat());
            end.insertText(QStringLiteral("\nAngle: 30°"), entry % 2 ? QTextCharFormat() : blue);
            QCOMPARE(kept.writeGrown(document), RtfWriter::write(document));
        }
        document.clear(); // replaced, not grown: the writer starts over
        end = QTextCursor(&document);
        end.insertText(QStringLiteral("Area: 1"), blue);
        QCOMPARE(kept.writeGrown(document), RtfWriter::write(document));
    }
};

QTEST_MAIN(TapesTest)
#include "tst_Tapes.moc"
