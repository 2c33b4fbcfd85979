#include "support/TapeRuns.h"

#include "core/RtfReader.h"
#include "core/RtfWriter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

QTextDocument* documentFrom(const QByteArray& rtf, QObject* parent)
{
    auto* document = new QTextDocument(parent);
    if (!RtfReader::read(rtf, *document))
        return nullptr;
    return document;
}

QTextCharFormat formatOfText(const QTextDocument& document, const QString& text)
{
    const QTextCursor found = document.find(text);
    if (found.isNull())
        return {};
    QTextCursor inside(found);
    inside.setPosition(found.selectionStart() + 1);
    return inside.charFormat();
}

QByteArray testData(const char* name)
{
    QFile file(QStringLiteral(POLYMETRA_TEST_DATA "/") + QLatin1String(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class RtfTest : public QObject {
    Q_OBJECT
private slots:
    void aWrittenTapeReadsBackRunForRun_data();
    void aWrittenTapeReadsBackRunForRun();
    void writesNonAsciiAsAUnicodeEscapeWithAHexFallback_data();
    void writesNonAsciiAsAUnicodeEscapeWithAHexFallback();
    void readsText_data();
    void readsText();
    void readsCharacterAndParagraphFormats();
    void readsWhatAWordProcessorWrote();
    void readsTextEditStyleRtf();
    void refusesNonRtfAndLeavesTheDocumentAlone();
    void boundsDeepNesting();
    void aKeptWriterWritesWhatAFreshOneWrites();
};

void RtfTest::aWrittenTapeReadsBackRunForRun_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QList<int>>("colours"); // 0 default, 1 grey, 2 blue
    QTest::newRow("empty tape") << QStringList{} << QList<int>{};
    QTest::newRow("one entry") << QStringList{"6/12/26 20:40", "\nRadius: 1.78", "\nArea: 10.000"}
                               << QList<int>{1, 0, 2};
    QTest::newRow("two entries") << QStringList{"d1", "\nRadius: 1", "\n\n", "d2", "\nRadius: 2"}
                                 << QList<int>{1, 2, 0, 1, 0};
    QTest::newRow("rtf specials and non-ascii")
        << QStringList{"{braces} \\back\\ tab\there", "\nÄrea: 3,5 € αβγ 😀"} << QList<int>{0, 2};
}

void RtfTest::aWrittenTapeReadsBackRunForRun()
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
void RtfTest::writesNonAsciiAsAUnicodeEscapeWithAHexFallback_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("escaped");
    QTest::newRow("latin letter") << "Är" << QByteArray("{\\u196\\'3f}r");
    QTest::newRow("above 7fff as a negative number")
        << QString(QChar(0xF0B7)) + "x" << QByteArray("{\\u-3913\\'3f}x");
    QTest::newRow("surrogate pair")
        << QString::fromUtf8("😀x") << QByteArray("{\\u-10179\\'3f}{\\u-8704\\'3f}x");
}

void RtfTest::writesNonAsciiAsAUnicodeEscapeWithAHexFallback()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, escaped);
    QTextDocument document(text);
    const QByteArray rtf = RtfWriter::write(document);
    QVERIFY2(rtf.contains(escaped), rtf.constData());
}

void RtfTest::readsText_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("plain") << QByteArray("{\\rtf1 Hello}") << "Hello";
    QTest::newRow("hex escape in code page 1252")
        << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'80}") << "café €";
    QTest::newRow("unicode with one fallback") << QByteArray("{\\rtf1 \\u8364?5}") << "€5";
    QTest::newRow("unicode with hex fallback") << QByteArray("{\\rtf1 \\u8364\\'80x}") << "€x";
    QTest::newRow("tape character as written now")
        << QByteArray("{\\rtf1\\uc1 {Area {\\u8364\\'3f}5}}") << "Area €5";
    QTest::newRow("tape character as written before")
        << QByteArray("{\\rtf1\\uc1 {Area {\\u8364?}5}}") << "Area €5";
    QTest::newRow("no fallback after uc0") << QByteArray("{\\rtf1\\uc0\\u8364 5}") << "€5";
    QTest::newRow("two fallbacks") << QByteArray("{\\rtf1\\uc2\\u8364 ab5}") << "€5";
    QTest::newRow("negative unicode") << QByteArray("{\\rtf1 \\u-3913?}") << QString(QChar(0xF0B7));
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("😀");
    QTest::newRow("escaped specials") << QByteArray("{\\rtf1 \\{a\\}\\\\}") << "{a}\\";
    QTest::newRow("binary data skipped") << QByteArray("{\\rtf1 a\\bin3 }{}b}") << "ab";
    QTest::newRow("binary length beyond the end") << QByteArray("{\\rtf1 a\\bin99999 xyz}") << "a";
    QTest::newRow("font table and style sheet skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\stylesheet{\\s0 Normal;}}Text}") << "Text";
    QTest::newRow("unknown ignorable destination skipped")
        << QByteArray("{\\rtf1{\\*\\somethingnew hidden}shown}") << "shown";
    QTest::newRow("picture skipped") << QByteArray("{\\rtf1{\\pict\\pngblip 89504e47}x}") << "x";
    QTest::newRow("field result kept, instruction skipped")
        << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK x}{\\fldrslt link}}}") << "link";
    QTest::newRow("paragraphs and line breaks")
        << QByteArray("{\\rtf1 one\\par two\\line three}") << "one\ntwo\nthree";
    QTest::newRow("backslash newline is a paragraph")
        << QByteArray("{\\rtf1 one\\\ntwo}") << "one\ntwo";
    QTest::newRow("raw line feeds are not text") << QByteArray("{\\rtf1 on\r\ne}") << "one";
    QTest::newRow("over-long control word ignored")
        << QByteArray("{\\rtf1 \\abcdefghijklmnopqrstuvwxyzabcdefghij x}") << "x";
    QTest::newRow("unterminated") << QByteArray("{\\rtf1 open{\\b bold") << "openbold";
    QTest::newRow("text after the document ignored") << QByteArray("{\\rtf1 in}out") << "in";
}

void RtfTest::readsText()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    std::unique_ptr<QTextDocument> document(documentFrom(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), text);
}

void RtfTest::readsCharacterAndParagraphFormats()
{
    const QByteArray rtf = "{\\rtf1{\\colortbl;\\red43\\green136\\blue230;}"
                           "\\pard\\qc {\\cf1 blue}{\\b bold}{\\i italic}{\\ul under}{\\fs36 big}"
                           "\\par\\pard plain\\cf99 nocolour}";
    std::unique_ptr<QTextDocument> document(documentFrom(rtf, nullptr));
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

void RtfTest::readsWhatAWordProcessorWrote()
{
    const QByteArray rtf = testData("libreoffice-coloured.rtf");
    QVERIFY(!rtf.isEmpty());
    std::unique_ptr<QTextDocument> document(documentFrom(rtf, nullptr));
    QVERIFY(document);
    const QString text = document->toPlainText();
    QVERIFY2(text.contains(QString::fromUtf8("café and €uro")), qPrintable(text));
    QVERIFY(text.contains(QString::fromUtf8("αβγ")));
    QVERIFY(text.contains(QString::fromUtf8("😀")));
    QVERIFY(text.contains("{braces} and \\backslash"));
    QCOMPARE(formatOfText(*document, "Blue given").foreground().color(), QColor(43, 136, 230));
    QCOMPARE(formatOfText(*document, "Grey date").foreground().color(), QColor(120, 120, 120));
    QCOMPARE(formatOfText(*document, "Bold").fontWeight(), int(QFont::Bold));
    QVERIFY(formatOfText(*document, "italic").fontItalic());
    QVERIFY(formatOfText(*document, "underlined").fontUnderline());
    QCOMPARE(formatOfText(*document, "Centred").fontPointSize(), 18.0);
    QCOMPARE(document->find("Centred").block().blockFormat().alignment(), Qt::AlignHCenter);
}

void RtfTest::readsTextEditStyleRtf()
{
    const QByteArray rtf = testData("textedit-style.rtf");
    QVERIFY(!rtf.isEmpty());
    std::unique_ptr<QTextDocument> document(documentFrom(rtf, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QString("12/6/26 8:40 PM\nRadius: 1.78\nArea: 10\n"));
    QCOMPARE(formatOfText(*document, "Area").foreground().color(), QColor(43, 136, 230));
    QCOMPARE(formatOfText(*document, "12/6").foreground().color(), QColor(120, 120, 120));
    QVERIFY(!formatOfText(*document, "Radius").hasProperty(QTextFormat::ForegroundBrush));
}

void RtfTest::refusesNonRtfAndLeavesTheDocumentAlone()
{
    QTextDocument document;
    document.setPlainText("kept");
    QVERIFY(!RtfReader::read("<html>nope</html>", document));
    QVERIFY(!RtfReader::read("", document));
    QCOMPARE(document.toPlainText(), QString("kept"));
}

void RtfTest::boundsDeepNesting()
{
    const QByteArray deep =
        "{\\rtf1 a" + QByteArray(100000, '{') + "x" + QByteArray(100000, '}') + "b}";
    std::unique_ptr<QTextDocument> document(documentFrom(deep, nullptr));
    QVERIFY(document);
    QCOMPARE(document->toPlainText(), QString("ab"));
}

// A tape grows entry by entry; the writer that serialises only the new blocks must give
// the bytes a whole serialisation gives, colour table included, at every step.
void RtfTest::aKeptWriterWritesWhatAFreshOneWrites()
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

QTEST_MAIN(RtfTest)
#include "tst_Rtf.moc"
