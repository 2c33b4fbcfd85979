#include "core/NumberReader.h"
#include "core/TypingFilter.h"

#include <QTest>

#include <cmath>

using FieldKind = TypingFilter::FieldKind;
Q_DECLARE_METATYPE(FieldKind)

class NumberEntryTest : public QObject {
    Q_OBJECT
private slots:
    void readsTheLeadingNumber_data();
    void readsTheLeadingNumber();
    void readsNotANumberAndInfinity();
    void filtersTypingOneCharacterAtATime_data();
    void filtersTypingOneCharacterAtATime();
    void fixesALeadingSeparator_data();
    void fixesALeadingSeparator();
    void readsAWholeTextOrNothing_data();
    void readsAWholeTextOrNothing();
    void judgesKeystrokesByTheLastCharacterAndOtherChangesWhole_data();
    void judgesKeystrokesByTheLastCharacterAndOtherChangesWhole();
};

void NumberEntryTest::readsTheLeadingNumber_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("expected");
    QTest::newRow("empty") << ""
                           << "." << 0.0;
    QTest::newRow("plain") << "12.5"
                           << "." << 12.5;
    QTest::newRow("comma separator") << "3,5"
                                     << "," << 3.5;
    QTest::newRow("point still read with comma separator") << "3.5"
                                                           << "," << 3.5;
    QTest::newRow("comma not a point by default") << "3,5"
                                                  << "." << 3.0;
    QTest::newRow("trailing garbage") << "7abc"
                                      << "." << 7.0;
    QTest::newRow("letters first") << "abc7"
                                   << "." << 0.0;
    QTest::newRow("lone separator") << "."
                                    << "." << 0.0;
    QTest::newRow("leading separator") << ".25"
                                       << "." << 0.25;
    QTest::newRow("negative") << "-4"
                              << "." << -4.0;
    QTest::newRow("leading spaces") << "  8"
                                    << "." << 8.0;
    QTest::newRow("exponent") << "1.5e3"
                              << "." << 1500.0;
    QTest::newRow("dangling exponent") << "2e"
                                       << "." << 2.0;
    QTest::newRow("overflow") << "1e999"
                              << "." << qInf();
    QTest::newRow("zero") << "0"
                          << "." << 0.0;
}

void NumberEntryTest::readsTheLeadingNumber()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, expected);
    QCOMPARE(NumberReader::readLeadingNumber(text, separator.front()), expected);
}

void NumberEntryTest::readsNotANumberAndInfinity()
{
    QVERIFY(std::isnan(NumberReader::readLeadingNumber(u"nan", QLatin1Char('.'))));
    QCOMPARE(NumberReader::readLeadingNumber(u"-inf", QLatin1Char('.')), -qInf());
    QCOMPARE(NumberReader::readLeadingNumber(u"INF", QLatin1Char('.')), qInf());
}

void NumberEntryTest::filtersTypingOneCharacterAtATime_data()
{
    QTest::addColumn<FieldKind>("kind");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("beeps");

    const FieldKind decimal = FieldKind::Decimal;
    const FieldKind whole = FieldKind::WholeNumber;
    QTest::newRow("digits and one separator") << decimal << "."
                                              << "12.5"
                                              << "12.5" << 0;
    QTest::newRow("second separator removed") << decimal << "."
                                              << "1.2."
                                              << "1.2" << 1;
    QTest::newRow("digit after lone zero removed") << decimal << "."
                                                   << "05"
                                                   << "0" << 1;
    QTest::newRow("separator after lone zero kept") << decimal << "."
                                                    << "0.5"
                                                    << "0.5" << 0;
    QTest::newRow("letter removed") << decimal << "."
                                    << "3a"
                                    << "3" << 1;
    QTest::newRow("minus first removed") << decimal << "."
                                         << "-"
                                         << "" << 1;
    QTest::newRow("seventeenth digit removed") << decimal << "."
                                               << "12345678901234567"
                                               << "1234567890123456" << 1;
    QTest::newRow("separator does not count as a digit") << decimal << "."
                                                         << "123456789012345.6"
                                                         << "123456789012345.6" << 0;
    QTest::newRow("comma separator") << decimal << ","
                                     << "2,5"
                                     << "2,5" << 0;
    QTest::newRow("point rejected with comma separator") << decimal << ","
                                                         << "2."
                                                         << "2" << 1;
    QTest::newRow("whole number refuses a leading zero") << whole << "."
                                                         << "0"
                                                         << "" << 1;
    QTest::newRow("whole number takes one then zero") << whole << "."
                                                      << "10"
                                                      << "10" << 0;
    QTest::newRow("whole number refuses a separator") << whole << "."
                                                      << "5."
                                                      << "5" << 1;
    QTest::newRow("whole number refuses the seventeenth digit") << whole << "."
                                                                << "12345678901234567"
                                                                << "1234567890123456" << 1;
}

void NumberEntryTest::filtersTypingOneCharacterAtATime()
{
    QFETCH(FieldKind, kind);
    QFETCH(QString, separator);
    QFETCH(QString, keys);
    QFETCH(QString, expected);
    QFETCH(int, beeps);

    QString text;
    int rejected = 0;
    for (const QChar key : keys) {
        const TypingFilter::Verdict verdict =
            TypingFilter::filter(text + key, kind, separator.front());
        text = verdict.text;
        rejected += verdict.rejected ? 1 : 0;
    }
    QCOMPARE(text, expected);
    QCOMPARE(rejected, beeps);
}

void NumberEntryTest::fixesALeadingSeparator_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("separator and digits") << ".25"
                                          << "0.25";
    QTest::newRow("lone separator unchanged") << "."
                                              << ".";
    QTest::newRow("ordinary number unchanged") << "1.5"
                                               << "1.5";
}

void NumberEntryTest::fixesALeadingSeparator()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TypingFilter::fixLeadingSeparator(text, QLatin1Char('.')), expected);
}

void NumberEntryTest::readsAWholeTextOrNothing_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("separator");
    QTest::addColumn<double>("expected"); // -1: nothing
    QTest::newRow("plain with spaces") << " 3.5 " << "." << 3.5;
    QTest::newRow("own separator") << "3,5" << "," << 3.5;
    QTest::newRow("exponent") << "1e3" << "." << 1000.0;
    QTest::newRow("too large for a double") << "1e999" << "." << qInf();
    QTest::newRow("letters after") << "12abc" << "." << -1.0;
    QTest::newRow("other separator") << "1,5" << "." << -1.0;
    QTest::newRow("sign") << "-5" << "." << -1.0;
    QTest::newRow("dangling exponent") << "2e" << "." << -1.0;
    QTest::newRow("lone separator") << "." << "." << -1.0;
    QTest::newRow("two separators") << "1.2.3" << "." << -1.0;
    QTest::newRow("not a number") << "nan" << "." << -1.0;
}

void NumberEntryTest::readsAWholeTextOrNothing()
{
    QFETCH(QString, text);
    QFETCH(QString, separator);
    QFETCH(double, expected);
    const std::optional<double> value = NumberReader::readWholeText(text, separator.front());
    QCOMPARE(value.has_value(), expected >= 0);
    if (value)
        QCOMPARE(*value, expected);
}

void NumberEntryTest::judgesKeystrokesByTheLastCharacterAndOtherChangesWhole_data()
{
    QTest::addColumn<QString>("previous");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("rejected");
    QTest::newRow("a deleted separator, as typing always was") << "0.5" << "05" << "0" << true;
    QTest::newRow("a character deleted inside") << "12.5" << "1.5" << "1.5" << false;
    QTest::newRow("a sign typed before the number") << "5" << "-5" << "5" << true;
    QTest::newRow("a selection typed over") << "12" << "7" << "7" << false;
    QTest::newRow("a selection typed over with a letter") << "12" << "x" << "12" << true;
    QTest::newRow("an exponent pasted at the end") << "1" << "1e308" << "1" << true;
}

void NumberEntryTest::judgesKeystrokesByTheLastCharacterAndOtherChangesWhole()
{
    QFETCH(QString, previous);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QFETCH(bool, rejected);
    const TypingFilter::Verdict verdict =
        TypingFilter::judgeChange(previous, text, FieldKind::Decimal, QLatin1Char('.'));
    QCOMPARE(verdict.text, expected);
    QCOMPARE(verdict.rejected, rejected);
}

QTEST_APPLESS_MAIN(NumberEntryTest)
#include "tst_NumberEntry.moc"
