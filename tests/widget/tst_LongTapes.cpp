#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "app/TapeCommands.h"
#include "app/TapeEntryMenu.h"
#include "core/Notices.h"
#include "core/RtfReader.h"
#include "core/ShapeCalculator.h"
#include "core/SupportPaths.h"
#include "core/TapeEntries.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

// A tape longer than the view holds at once: its older entries are there for every
// operation, and entries saved off the GUI thread all reach the file.
class LongTapesTest : public ShellTest {
    Q_OBJECT
private slots:
    void olderEntriesServeEveryOperation_data();
    void olderEntriesServeEveryOperation();
    void savesOffTheGuiThreadKeepEveryEntry_data();
    void savesOffTheGuiThreadKeepEveryEntry();

private:
    static constexpr int entries =
        TapeView::newestEntriesShown + TapeView::olderEntriesPerChunk + 3;
    static QString circleTape() { return SupportPaths::tapeFilePath(QStringLiteral("Circle")); }
    // Radii as the file holds them, oldest first.
    static QStringList radii(const QByteArray& rtf);
    void showLongCircleTape();
    void clickCalculate(const QString& radius);
};

QStringList LongTapesTest::radii(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::readTape(rtf, document);
    QStringList found;
    for (const TapeRecord& entry : TapeEntries::read(document))
        found.append(entry.lines.empty() ? QString() : entry.lines.front().text);
    return found;
}

void LongTapesTest::showLongCircleTape()
{
    // The one-paragraph-per-line form, the date's paragraph mark grouped, as older builds
    // wrote it; entry i has the radius i + 1.
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss Helvetica;}\n"
                     "{\\colortbl;\\red120\\green120\\blue120;\\red43\\green136\\blue230;}\n\\f0 ";
    for (int i = 0; i < entries; ++i) {
        const QByteArray r = QByteArray::number(i + 1);
        rtf += QByteArray(i ? "\\par\n\\par\n" : "") +
               "{\\cf1 7 Dec 2026 01:00}{\\cf2\\par}\n{\\cf2 Radius: " + r +
               "}\\par\n{Diameter: " + QByteArray::number(2 * (i + 1)) + "}";
    }
    QVERIFY(QDir().mkpath(SupportPaths::tapesFolder()));
    QFile file(circleTape());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rtf + "}\n") > 0);
    file.close();
    QVERIFY(relaunch());
    window().selectShape(QStringLiteral("Square"));
    window().selectShape(QStringLiteral("Circle"));
    QCOMPARE(window().tapeTextView()->olderEntriesLeft(), entries - TapeView::newestEntriesShown);
}

void LongTapesTest::clickCalculate(const QString& radius)
{
    ShapeCalculator* circle = window().calculator(QStringLiteral("Circle"));
    QTest::mouseClick(circle->clearButton(), Qt::LeftButton);
    circle->fieldByOutlet(QStringLiteral("radiusTextField"))->setText(radius);
    QTest::mouseClick(circle->calculateButton(), Qt::LeftButton);
}

void LongTapesTest::olderEntriesServeEveryOperation_data()
{
    QTest::addColumn<QString>("operation");
    QTest::newRow("scrolling to the top reads the rest") << "scroll";
    QTest::newRow("export writes every entry") << "export";
    QTest::newRow("the oldest entry is reused") << "reuse";
    QTest::newRow("the oldest entry is removed") << "remove";
}

void LongTapesTest::olderEntriesServeEveryOperation()
{
    QFETCH(QString, operation);
    showLongCircleTape();
    TapeView* view = window().tapeTextView();
    QStringList expected;
    for (int i = 1; i <= entries; ++i)
        expected.append(QString::number(i));

    if (operation == "scroll") {
        for (int chunk = 0; chunk < 5 && view->olderEntriesLeft() > 0; ++chunk) {
            view->verticalScrollBar()->setValue(0);
            const QString topBefore = view->cursorForPosition(QPoint(2, 2)).block().text();
            QApplication::processEvents(); // the next chunk is read once the scroll is over
            // The lines in sight stay in sight while older entries go above them.
            QCOMPARE(view->cursorForPosition(QPoint(2, 2)).block().text(), topBefore);
        }
        QCOMPARE(view->olderEntriesLeft(), 0);
        QCOMPARE(radii(view->rtf()), expected);
    } else if (operation == "export") {
        const QString path = QDir::homePath() + "/tape.csv";
        QVERIFY(window().tapeCommands()->exportTo(path, TapeExport::Format::Csv));
        QFile csv(path);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = csv.readAll().replace(';', ',').trimmed().split('\n');
        QCOMPARE(rows.size(), entries + 1); // and the heading
        QVERIFY(rows.at(1).startsWith("7 Dec 2026 01:00,1,2,Radius"));
        QVERIFY(rows.last().startsWith("7 Dec 2026 01:00," + QByteArray::number(entries) + ','));
    } else if (operation == "reuse") {
        QVERIFY(window().tapeEntryMenu()->useEntry(0));
        QCOMPARE(window()
                     .calculator(QStringLiteral("Circle"))
                     ->fieldByOutlet(QStringLiteral("radiusTextField"))
                     ->text(),
                 QStringLiteral("1"));
    } else {
        QVERIFY(window().tapeEntryMenu()->removeEntry(0));
        expected.removeFirst();
        QCOMPARE(radii(bytes(circleTape())), expected);
    }
}

void LongTapesTest::savesOffTheGuiThreadKeepEveryEntry_data()
{
    QTest::addColumn<bool>("failing");
    QTest::newRow("saves that succeed, then quit") << false;
    QTest::newRow("a save that fails is reported") << true;
}

void LongTapesTest::savesOffTheGuiThreadKeepEveryEntry()
{
    QFETCH(bool, failing);
    showLongCircleTape();
    const QString blocker = circleTape() + ".blocked";
    if (failing) {
        // A folder in the tape file's place makes every save of it fail.
        QVERIFY(QFile::rename(circleTape(), blocker));
        QVERIFY(QDir().mkpath(circleTape()));
    }
    for (const char* radius : {"7", "8", "9"})
        clickCalculate(radius); // no wait: the saves overlap the next calculation
    TapeSaver::instance().waitForPending();
    if (failing) {
        QVERIFY(!Notices::instance().history().isEmpty());
        QVERIFY(Notices::instance().history().constLast().contains(circleTape()));
        QVERIFY(QDir().rmdir(circleTape()));
        QVERIFY(QFile::rename(blocker, circleTape()));
        clickCalculate(QStringLiteral("10"));
    } else {
        QVERIFY(Notices::instance().history().isEmpty());
    }
    quit();
    const QStringList saved = radii(bytes(circleTape()));
    QCOMPARE(saved.size(), entries + (failing ? 4 : 3));
    const QStringList added =
        failing ? QStringList{"7", "8", "9", "10"} : QStringList{"7", "8", "9"};
    QCOMPARE(saved.mid(entries), added);
    QCOMPARE(saved.first(), QStringLiteral("1"));
    QVERIFY(relaunch()); // the fixture's cleanup quits a running program
}

QTEST_MAIN(LongTapesTest)
#include "tst_LongTapes.moc"
