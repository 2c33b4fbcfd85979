#include "core/NumberFormatter.h"

#include <QTest>

#include <limits>

class NumberFormatterTest : public QObject {
    Q_OBJECT
private slots:
    void formatsResults_data();
    void formatsResults();
    void formatsBoundsWithSixSignificantDigits_data();
    void formatsBoundsWithSixSignificantDigits();
};

void NumberFormatterTest::formatsResults_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");

    const double inf = std::numeric_limits<double>::infinity();
    struct Row {
        const char* name;
        double value;
        int places;
        const char* separator;
        const char* expected;
    };
    const Row rows[] = {
        {"pi to two places", 3.14159265358979, 2, ".", "3.14"},
        {"whole number keeps no point", 2, 2, ".", "2"},
        {"trailing zeros of ten stay", 10, 2, ".", "10"},
        {"hundred keeps its zeros", 100, 2, ".", "100"},
        {"one decimal", 12.5, 2, ".", "12.5"},
        {"large value rounded", 1234567.891, 2, ".", "1234567.89"},
        {"just below one rounds up to one", 0.999, 2, ".", "1"},
        {"half", 0.5, 2, ".", "0.5"},
        {"one leading zero", 0.05, 2, ".", "0.05"},
        {"small value keeps two significant places", 0.000123456, 2, ".", "0.00012"},
        {"five leading zeros stay fixed", 0.0000012, 2, ".", "0.0000012"},
        {"six leading zeros go exponent", 0.00000012, 2, ".", "1.20e-07"},
        {"tiny value", 1.23e-10, 2, ".", "1.23e-10"},
        {"zero is exponent form", 0, 2, ".", "0.00e+00"},
        {"threshold itself is fixed", 1e16, 2, ".", "10000000000000000"},
        {"above threshold is exponent", 2e16, 2, ".", "2.00e+16"},
        {"negative whole", -5, 2, ".", "-5"},
        {"negative fraction", -0.5, 2, ".", "-0.5"},
        {"no places rounds pi", 3.14159265358979, 0, ".", "3"},
        {"no places keeps hundred", 100, 0, ".", "100"},
        {"no places small value gets one place", 0.05, 0, ".", "0.1"},
        {"no places skips trimming", 0.000123456, 0, ".", "0.000"},
        {"four places", 3.14159265358979, 4, ".", "3.1416"},
        {"four places small value", 0.000123456, 4, ".", "0.0001235"},
        {"four places below one", 0.9999, 4, ".", "0.9999"},
        {"eight places at most", 0.0000123456789, 9, ".", "0.00001235"},
        {"comma separator", 3.14159265358979, 2, ",", "3,14"},
        {"comma separator below one", 0.5, 2, ",", "0,5"},
        {"comma separator exponent", 2e16, 2, ",", "2,00e+16"},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 2, ".", "nan"},
        {"infinity", inf, 2, ".", "inf"},
        {"negative infinity", -inf, 2, ".", "-inf"},
    };
    for (const Row& row : rows) {
        QTest::newRow(row.name) << row.value << row.places << QString::fromLatin1(row.separator)
                                << QString::fromLatin1(row.expected);
    }
}

void NumberFormatterTest::formatsResults()
{
    QFETCH(double, value);
    QFETCH(int, places);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    const NumberFormatter formatter(places, separator.front());
    QCOMPARE(formatter.correctlyFormatTheString(value), expected);
}

void NumberFormatterTest::formatsBoundsWithSixSignificantDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("expected");
    QTest::newRow("whole") << 12.0 << "."
                           << "12";
    QTest::newRow("rounded to six digits") << 3.14159265 << "."
                                           << "3.14159";
    QTest::newRow("comma") << 2.5 << ","
                           << "2,5";
    QTest::newRow("large goes exponent") << 1234567.0 << "."
                                         << "1.23457e+06";
}

void NumberFormatterTest::formatsBoundsWithSixSignificantDigits()
{
    QFETCH(double, value);
    QFETCH(QString, separator);
    QFETCH(QString, expected);
    QCOMPARE(NumberFormatter(2, separator.front()).formatBound(value), expected);
}

QTEST_APPLESS_MAIN(NumberFormatterTest)
#include "tst_NumberFormatter.moc"
