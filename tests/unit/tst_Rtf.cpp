#include "support/TapeRuns.h"

#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

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

class RtfTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_MAIN(RtfTest)
#include "tst_Rtf.moc"
