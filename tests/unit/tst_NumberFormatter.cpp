#include "core/NumberFormatter.h"

#include <QTest>

class NumberFormatterTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(NumberFormatterTest)
#include "tst_NumberFormatter.moc"
