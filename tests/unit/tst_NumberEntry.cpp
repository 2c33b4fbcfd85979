#include "core/NumberReader.h"
#include "core/TypingFilter.h"

#include <QTest>

using FieldKind = TypingFilter::FieldKind;
Q_DECLARE_METATYPE(FieldKind)

class NumberEntryTest : public QObject {
    Q_OBJECT
private slots:
    void readsNumbers_data()
    {
        QTest::addColumn<bool>("whole"); // the whole text or nothing, else its leading number
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<double>("expected"); // -1: the whole text reads as nothing
        const auto row = [](bool whole, const char* name, const char* text, double expected,
                            char separator = '.') {
            QTest::addRow("%s: %s", whole ? "whole" : "leading", name)
                << whole << QString(text) << QChar(separator) << expected;
        };
        const bool leading = false, whole = true;
        row(leading, "empty", "", 0);
        row(leading, "plain", "12.5", 12.5);
        row(leading, "comma separator", "3,5", 3.5, ',');
        row(leading, "point still read with comma separator", "3.5", 3.5, ',');
        row(leading, "comma not a point by default", "3,5", 3);
        row(leading, "trailing garbage", "7abc", 7);
        row(leading, "letters first", "abc7", 0);
        row(leading, "lone separator", ".", 0);
        row(leading, "leading separator", ".25", 0.25);
        row(leading, "negative", "-4", -4);
        row(leading, "leading spaces", "  8", 8);
        row(leading, "exponent", "1.5e3", 1500);
        row(leading, "dangling exponent", "2e", 2);
        row(leading, "overflow", "1e999", qInf());
        row(leading, "zero", "0", 0);
        row(leading, "not a number", "nan", qQNaN());
        row(leading, "negative infinity", "-inf", -qInf());
        row(leading, "infinity in capitals", "INF", qInf());
        row(whole, "plain with spaces", " 3.5 ", 3.5);
        row(whole, "own separator", "3,5", 3.5, ',');
        row(whole, "exponent", "1e3", 1000);
        row(whole, "too large for a double", "1e999", qInf());
        row(whole, "letters after", "12abc", -1);
        row(whole, "other separator", "1,5", -1);
        row(whole, "sign", "-5", -1);
        row(whole, "dangling exponent", "2e", -1);
        row(whole, "lone separator", ".", -1);
        row(whole, "two separators", "1.2.3", -1);
        row(whole, "not a number", "nan", -1);
    }
    void readsNumbers()
    {
        QFETCH(bool, whole);
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QTEST(whole ? NumberReader::readWholeText(text, separator).value_or(-1)
                    : NumberReader::readLeadingNumber(text, separator),
              "expected");
    }

    void filtersTypingOneCharacterAtATime_data()
    {
        QTest::addColumn<FieldKind>("kind");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("beeps");
        const auto row = [](const char* name, FieldKind kind, const char* keys,
                            const char* expected, int beeps, char separator = '.') {
            QTest::newRow(name) << kind << QChar(separator) << QString(keys) << QString(expected)
                                << beeps;
        };
        const FieldKind decimal = FieldKind::Decimal, whole = FieldKind::WholeNumber;
        row("digits and one separator", decimal, "12.5", "12.5", 0);
        row("second separator removed", decimal, "1.2.", "1.2", 1);
        row("digit after lone zero removed", decimal, "05", "0", 1);
        row("separator after lone zero kept", decimal, "0.5", "0.5", 0);
        row("letter removed", decimal, "3a", "3", 1);
        row("minus first removed", decimal, "-", "", 1);
        row("seventeenth digit removed", decimal, "12345678901234567", "1234567890123456", 1);
        row("separator does not count as a digit", decimal, "123456789012345.6",
            "123456789012345.6", 0);
        row("comma separator", decimal, "2,5", "2,5", 0, ',');
        row("point rejected with comma separator", decimal, "2.", "2", 1, ',');
        row("whole number refuses a leading zero", whole, "0", "", 1);
        row("whole number takes one then zero", whole, "10", "10", 0);
        row("whole number refuses a separator", whole, "5.", "5", 1);
        row("whole number refuses the seventeenth digit", whole, "12345678901234567",
            "1234567890123456", 1);
    }
    void filtersTypingOneCharacterAtATime()
    {
        QFETCH(FieldKind, kind);
        QFETCH(QChar, separator);
        QFETCH(QString, keys);

        QString text;
        int rejected = 0;
        for (const QChar key : keys) {
            const TypingFilter::Verdict verdict = TypingFilter::filter(text + key, kind, separator);
            text = verdict.text;
            rejected += verdict.rejected ? 1 : 0;
        }
        QTEST(text, "expected");
        QTEST(rejected, "beeps");
    }

    void fixesALeadingSeparator_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("separator and digits") << QString(".25") << QString("0.25");
        QTest::newRow("lone separator unchanged") << QString(".") << QString(".");
        QTest::newRow("ordinary number unchanged") << QString("1.5") << QString("1.5");
    }
    void fixesALeadingSeparator()
    {
        QFETCH(QString, text);
        QTEST(TypingFilter::fixLeadingSeparator(text, QLatin1Char('.')), "expected");
    }

    void judgesKeystrokesByTheLastCharacterAndOtherChangesWhole_data()
    {
        QTest::addColumn<QString>("previous");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("rejected");
        const auto row = [](const char* name, const char* previous, const char* text,
                            const char* expected, bool rejected) {
            QTest::newRow(name) << QString(previous) << QString(text) << QString(expected)
                                << rejected;
        };
        row("a deleted separator, as typing always was", "0.5", "05", "0", true);
        row("a character deleted inside", "12.5", "1.5", "1.5", false);
        row("a sign typed before the number", "5", "-5", "5", true);
        row("a selection typed over", "12", "7", "7", false);
        row("a selection typed over with a letter", "12", "x", "12", true);
        row("an exponent pasted at the end", "1", "1e308", "1", true);
    }
    void judgesKeystrokesByTheLastCharacterAndOtherChangesWhole()
    {
        QFETCH(QString, previous);
        QFETCH(QString, text);
        const TypingFilter::Verdict verdict =
            TypingFilter::judgeChange(previous, text, FieldKind::Decimal, QLatin1Char('.'));
        QTEST(verdict.text, "expected");
        QTEST(verdict.rejected, "rejected");
    }
};

QTEST_APPLESS_MAIN(NumberEntryTest)
#include "tst_NumberEntry.moc"
