#include "core/NumberFormatter.h"
#include "core/NumberReader.h"
#include "core/TypingFilter.h"

#include <QTest>

using FieldKind = TypingFilter::FieldKind;
Q_DECLARE_METATYPE(FieldKind)

// Numbers in and out: what a field reads and lets be typed, and how results and bounds
// are written.
class NumbersTest : public QObject {
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
    void formatsResultsAndBounds_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("places"); // bound: a refusal's bound, to six significant digits
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("expected");

        const int bound = -1;
        const auto row = [](const char* name, double value, int places, char separator,
                            const char* expected) {
            QTest::newRow(name) << value << places << QChar(separator) << QString(expected);
        };
        row("pi to two places", 3.14159265358979, 2, '.', "3.14");
        row("whole number keeps no point", 2, 2, '.', "2");
        row("trailing zeros of ten stay", 10, 2, '.', "10");
        row("hundred keeps its zeros", 100, 2, '.', "100");
        row("one decimal", 12.5, 2, '.', "12.5");
        row("large value rounded", 1234567.891, 2, '.', "1234567.89");
        row("just below one rounds up to one", 0.999, 2, '.', "1");
        row("half", 0.5, 2, '.', "0.5");
        row("one leading zero", 0.05, 2, '.', "0.05");
        row("small value keeps two significant places", 0.000123456, 2, '.', "0.00012");
        row("five leading zeros stay fixed", 0.0000012, 2, '.', "0.0000012");
        row("six leading zeros go exponent", 0.00000012, 2, '.', "1.20e-07");
        row("tiny value", 1.23e-10, 2, '.', "1.23e-10");
        row("zero is exponent form", 0, 2, '.', "0.00e+00");
        row("threshold itself is fixed", 1e16, 2, '.', "10000000000000000");
        row("above threshold is exponent", 2e16, 2, '.', "2.00e+16");
        row("negative whole", -5, 2, '.', "-5");
        row("negative fraction", -0.5, 2, '.', "-0.5");
        row("no places rounds pi", 3.14159265358979, 0, '.', "3");
        row("no places keeps hundred", 100, 0, '.', "100");
        row("no places small value gets one place", 0.05, 0, '.', "0.1");
        row("no places skips trimming", 0.000123456, 0, '.', "0.000");
        row("four places", 3.14159265358979, 4, '.', "3.1416");
        row("four places small value", 0.000123456, 4, '.', "0.0001235");
        row("four places below one", 0.9999, 4, '.', "0.9999");
        row("eight places at most", 0.0000123456789, 9, '.', "0.00001235");
        row("comma separator", 3.14159265358979, 2, ',', "3,14");
        row("comma separator below one", 0.5, 2, ',', "0,5");
        row("comma separator exponent", 2e16, 2, ',', "2,00e+16");
        row("not a number", qQNaN(), 2, '.', "nan");
        row("infinity", qInf(), 2, '.', "inf");
        row("negative infinity", -qInf(), 2, '.', "-inf");
        row("bound whole", 12, bound, '.', "12");
        row("bound rounded to six digits", 3.14159265, bound, '.', "3.14159");
        row("bound with comma", 2.5, bound, ',', "2,5");
        row("large bound goes exponent", 1234567, bound, '.', "1.23457e+06");
    }
    void formatsResultsAndBounds()
    {
        QFETCH(double, value);
        QFETCH(int, places);
        QFETCH(QChar, separator);
        const NumberFormatter formatter(places < 0 ? 2 : places, separator);
        QTEST(places < 0 ? formatter.formatBound(value) : formatter.correctlyFormatTheString(value),
              "expected");
    }
};

QTEST_APPLESS_MAIN(NumbersTest)
#include "tst_Numbers.moc"
