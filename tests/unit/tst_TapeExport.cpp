#include "core/Colours.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "core/TapeEntries.h"
#include "core/TapeExport.h"
#include "shapes2d/CircleSolver.h"

#include <QTest>
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

// A tape read into entries and written out in each format, with either decimal separator.
class TapeExportTest : public QObject {
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
};

QTEST_MAIN(TapeExportTest)
#include "tst_TapeExport.moc"
