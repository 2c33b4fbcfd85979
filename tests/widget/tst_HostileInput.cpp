#include "support/AppFixture.h"

#include "app/MainWindow.h"
#include "app/ShapeCatalog.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <memory>

// Text that is not a plain number, pasted or put into fields, and values whose results
// overflow: nothing impossible may reach a field or the tape.
class HostileInputTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_app = std::make_unique<AppFixture>(); }
    void init()
    {
        m_app->alerts().reset();
        NumberFormatter::setShared(NumberFormatter(2, QLatin1Char('.')));
    }
    void cleanupTestCase() { m_app.reset(); }

    void aPasteIsJudgedAsAWhole_data()
    {
        QTest::addColumn<QString>("outlet");
        QTest::addColumn<QString>("before"); // the field's text, the paste goes at its start
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("after");

        const auto row = [](const char* name, const char* outlet, const char* before,
                            const QString& pasted, const char* separator, const char* after) {
            QTest::newRow(name) << QString(outlet) << QString(before) << pasted
                                << QString(separator) << QString(after);
        };
        // A negative number, an exponent and trailing letters pasted into an empty radius
        // are the recorded batch's (tests/regression, "paste:" steps).
        const char* radius = "radiusTextField";
        const char* count = "xsidesNTextField";
        row("the other separator", radius, "", "1,5", ".", "");
        row("ten thousand digits", radius, "", QString(10000, '7'), ".", "");
        row("seventeen digits", radius, "", QString(17, '1'), ".", "");
        row("a minus put before a number", radius, "5", "-", ".", "5");
        row("a plain number", radius, "", "3.25", ".", "3.25");
        row("the user's own separator", radius, "", "1,5", ",", "1,5");
        row("digits before a number", radius, "5", "12", ".", "125");
        row("a fraction as a count", count, "", "5.5", ".", "");
        row("a count with a leading zero", count, "", "07", ".", "");
        row("a count", count, "", "12", ".", "12");
    }
    void aPasteIsJudgedAsAWhole()
    {
        QFETCH(QString, outlet);
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, separator);
        QFETCH(QString, after);
        NumberFormatter::setShared(NumberFormatter(2, separator.front()));
        ShapeCalculator* calculator = show(
            outlet.startsWith('x') ? QStringLiteral("Regular Polygon") : QStringLiteral("Circle"));
        TextField* field = calculator->fieldByOutlet(outlet);
        field->setText(before);
        field->setFocus();
        field->setCursorPosition(0);
        QApplication::clipboard()->setText(pasted);
        field->paste();
        QCOMPARE(field->text(), after);
        QCOMPARE(m_app->alerts().beeps(),
                 after == before + pasted || after == pasted + before ? 0 : 1);
    }
    void calculateRefusesWhatCannotBeCalculatedWith_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QString>("message");

        const QString unusable = QStringLiteral("The value of %1 is not a number of 0 or more.");
        const QString tooLarge = QStringLiteral("The result is too large to be calculated.");
        const auto row = [](const char* name, const char* shape, const QString& values,
                            const QString& message) {
            QTest::newRow(name) << QString(shape) << values.split(' ') << message;
        };
        // A sphere's volume and a count beyond a double are the recorded batch's.
        row("letters after a number", "Circle", "radiusTextField=12abc", unusable.arg("Radius"));
        row("the other separator", "Circle", "areaTextField=1,5", unusable.arg("Area"));
        row("a negative number", "Square", "sideATextField=-5", unusable.arg("Side"));
        row("not a number", "Circle", "radiusTextField=nan", unusable.arg("Radius"));
        row("beyond a double", "Circle", "radiusTextField=" + QString(400, '9'),
            unusable.arg("Radius"));
        row("a cylinder's surface overflows", "Cylinder", "radiusTextField=1e160 heightTextField=1",
            tooLarge);
        row("a cone's volume overflows", "Cone", "radiusTextField=1e200 HeigthHTextField=1e200",
            tooLarge);
    }
    void calculateRefusesWhatCannotBeCalculatedWith()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, values);
        QFETCH(QString, message);
        ShapeCalculator* calculator = show(shape);
        const QString tapeBefore = m_app->tapeText();
        for (const QString& value : values) {
            TextField* field = calculator->fieldByOutlet(value.section('=', 0, 0));
            QVERIFY2(field, qPrintable(value));
            field->setText(value.section('=', 1));
        }
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);

        QCOMPARE(m_app->alerts().alerts().size(), 1);
        QVERIFY2(m_app->alerts().alerts().constFirst().message.startsWith(message),
                 qPrintable(m_app->alerts().alerts().constFirst().message));
        QVERIFY(calculator->calculateButton()->isEnabled());
        QCOMPARE(m_app->tapeText(), tapeBefore);
    }
    // Every shape, every input field alone and in pairs, at the edges of what a double holds.
    void extremeValuesNeverShowAnImpossibleResult()
    {
        const QStringList extremes{"1e300", "1e-300", "1e154", "9999999999999999"};
        for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
            ShapeCalculator* calculator = show(QString::fromLatin1(entry.name));
            m_app->window().action(MainWindow::Action::ClearTape)->trigger();
            QList<int> inputs;
            for (int i = 0; i < calculator->fieldCount(); ++i) {
                if (!calculator->field(i)->isOutputOnly())
                    inputs.append(i);
            }
            for (int a : inputs) {
                for (int b : inputs) {
                    for (const QString& big : extremes) {
                        for (const QString& other : {QStringLiteral("1"), big}) {
                            QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
                            calculator->field(a)->setText(big);
                            if (b != a)
                                calculator->field(b)->setText(other);
                            const qsizetype tapeFrom = m_app->tapeText().size();
                            calculator->calculate();
                            const QString found = impossibleTextOn(calculator, tapeFrom);
                            QVERIFY2(found.isEmpty(),
                                     qPrintable(QStringLiteral("%1 %2=%3 %4=%5: %6")
                                                    .arg(entry.name)
                                                    .arg(a)
                                                    .arg(big)
                                                    .arg(b)
                                                    .arg(other, found)));
                        }
                    }
                }
            }
        }
    }

private:
    ShapeCalculator* show(const QString& shape)
    {
        ShapeCalculator* calculator = m_app->show(shape);
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
        return calculator;
    }
    // What a field or the tape's newest text (from `tapeFrom` on) holds of "inf", "nan"
    // or a negative number; empty when nothing.
    QString impossibleTextOn(const ShapeCalculator* calculator, qsizetype tapeFrom) const
    {
        static const QRegularExpression impossible(QStringLiteral("inf|nan|(?<![eE])-\\d"),
                                                   QRegularExpression::CaseInsensitiveOption);
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            if (calculator->field(i)->text().contains(impossible))
                return calculator->field(i)->objectName() + ": " + calculator->field(i)->text();
        }
        const QString tape = m_app->tapeText().mid(tapeFrom);
        for (const QString& line : tape.split('\n')) {
            // Value lines only: the date line is the locale's and may hold a dash.
            if (line.section(QStringLiteral(": "), 1).contains(impossible))
                return QStringLiteral("tape: ") + line;
        }
        return {};
    }

    std::unique_ptr<AppFixture> m_app;
};

QTEST_MAIN(HostileInputTest)
#include "tst_HostileInput.moc"
