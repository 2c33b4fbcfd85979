#include "widget/ShellTest.h"

#include "app/ClearedTape.h"
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
    void olderEntriesServeEveryOperation_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::newRow("scrolling to the top reads the rest") << "scroll";
        QTest::newRow("export writes every entry") << "export";
        QTest::newRow("the oldest entry is reused") << "reuse";
        QTest::newRow("the oldest entry is removed") << "remove";
        QTest::newRow("an entry in sight is reused by double-click") << "double-click";
        QTest::newRow("a cleared tape is put back") << "undo-clear";
    }
    void olderEntriesServeEveryOperation()
    {
        QFETCH(QString, operation);
        showLongCircleTape();
        TapeView* view = window().tapeTextView();
        QStringList expected;
        for (int i = 1; i <= count; ++i)
            expected.append(QString::number(i));

        if (operation == "scroll") {
            for (int chunk = 0; chunk < 5 && view->olderEntriesLeft() > 0; ++chunk) {
                view->verticalScrollBar()->setValue(0);
                const QString inSight = view->cursorForPosition(QPoint(2, 2)).block().text();
                QApplication::processEvents(); // the next chunk is read once the scroll is over
                QCOMPARE(view->cursorForPosition(QPoint(2, 2)).block().text(), inSight);
            }
            QCOMPARE(view->olderEntriesLeft(), 0);
            QCOMPARE(radii(view->rtf()), expected);
        } else if (operation == "export") {
            const QString path = QDir::homePath() + "/tape.csv";
            QVERIFY(window().tapeCommands()->exportTo(path, TapeExport::Format::Csv));
            const QList<QByteArray> rows = bytes(path).replace(';', ',').trimmed().split('\n');
            QCOMPARE(rows.size(), count + 1); // and the heading
            QVERIFY(rows.at(1).startsWith("7 Dec 2026 01:00,1,2,Radius"));
        } else if (operation == "double-click") {
            // Found among the entries in the view, the older ones left in the file.
            const QPoint point(10, view->viewport()->height() - 10);
            const QString radius = view->cursorForPosition(point)
                                       .block()
                                       .text()
                                       .section("Radius: ", 1)
                                       .section(QChar::LineSeparator, 0, 0);
            QVERIFY(!radius.isEmpty());
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, point);
            QCOMPARE(window().calculator("Circle")->fieldByOutlet("radiusTextField")->text(),
                     radius);
            QCOMPARE(window().tapeEntryMenu()->entryCount(), count);
        } else if (operation == "reuse") {
            QVERIFY(window().tapeEntryMenu()->useEntry(0));
            QCOMPARE(window().calculator("Circle")->fieldByOutlet("radiusTextField")->text(), "1");
        } else if (operation == "undo-clear") {
            window().clearedTape()->clear("Circle", view);
            QVERIFY(view->document()->isEmpty() && window().clearedTape()->undo(view));
            TapeSaver::instance().waitForPending();
            QCOMPARE(radii(bytes(circleTape())), expected);
        } else {
            QVERIFY(window().tapeEntryMenu()->removeEntry(0));
            QCOMPARE(radii(bytes(circleTape())), expected.mid(1));
        }
        // Reading the older entries leaves them in the file: the view holds the newest.
        if (operation != "scroll" && operation != "remove")
            QCOMPARE(view->olderEntriesLeft(), count - TapeView::newestEntriesShown);
    }
    void savesOffTheGuiThreadKeepEveryEntry_data()
    {
        QTest::addColumn<bool>("failing");
        QTest::newRow("saves that succeed, then quit") << false;
        QTest::newRow("a save that fails is reported") << true;
    }
    void savesOffTheGuiThreadKeepEveryEntry()
    {
        QFETCH(bool, failing);
        showLongCircleTape();
        const QString blocker = circleTape() + ".blocked";
        // A folder in the tape file's place makes every save of it fail.
        if (failing)
            QVERIFY(QFile::rename(circleTape(), blocker) && QDir().mkpath(circleTape()));
        for (const char* radius : {"7", "8", "9"})
            clickCalculate(radius); // the saves overlap the next calculations
        TapeSaver::instance().waitForPending();
        QCOMPARE(Notices::instance().history().isEmpty(), !failing);
        QStringList added{"7", "8", "9"};
        if (failing) {
            QVERIFY(Notices::instance().history().constLast().contains(circleTape()));
            QVERIFY(QDir().rmdir(circleTape()) && QFile::rename(blocker, circleTape()));
            clickCalculate("10");
            added.append("10");
        }
        quit();
        const QStringList saved = radii(bytes(circleTape()));
        QCOMPARE(saved.size(), count + added.size());
        QCOMPARE(saved.first(), QStringLiteral("1"));
        QCOMPARE(saved.mid(count), added);
        QVERIFY(relaunch()); // the fixture's cleanup quits a running program
    }

private:
    static constexpr int count = TapeView::newestEntriesShown + TapeView::olderEntriesPerChunk + 3;
    static QString circleTape() { return SupportPaths::tapeFilePath(QStringLiteral("Circle")); }

    // The radius of each entry in `rtf`, oldest first.
    static QStringList radii(const QByteArray& rtf)
    {
        QTextDocument document;
        RtfReader::readTape(rtf, document);
        QStringList found;
        for (const TapeRecord& entry : TapeEntries::read(document))
            found.append(entry.lines.empty() ? QString() : entry.lines.front().text);
        return found;
    }

    // Entry i has the radius i + 1, written one paragraph per line as older builds did.
    void showLongCircleTape()
    {
        QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl\\f0\\fswiss "
                         "Helvetica;}\n{\\colortbl;\\red120\\green120\\blue120;\\red43\\green136"
                         "\\blue230;}\n\\f0 ";
        for (int i = 1; i <= count; ++i)
            rtf += QByteArray(i > 1 ? "\\par\n\\par\n" : "") +
                   "{\\cf1 7 Dec 2026 01:00}{\\cf2\\par}\n{\\cf2 Radius: " + QByteArray::number(i) +
                   "}\\par\n{Diameter: " + QByteArray::number(2 * i) + "}";
        QFile file(circleTape());
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(rtf + "}\n") > 0);
        file.close();
        QVERIFY(relaunch());
        window().selectShape(QStringLiteral("Square"));
        window().selectShape(QStringLiteral("Circle"));
        QCOMPARE(window().tapeTextView()->olderEntriesLeft(), count - TapeView::newestEntriesShown);
    }

    void clickCalculate(const char* radius)
    {
        ShapeCalculator* circle = window().calculator(QStringLiteral("Circle"));
        QTest::mouseClick(circle->clearButton(), Qt::LeftButton);
        circle->fieldByOutlet(QStringLiteral("radiusTextField"))->setText(radius);
        QTest::mouseClick(circle->calculateButton(), Qt::LeftButton);
    }
};

QTEST_MAIN(LongTapesTest)
#include "tst_LongTapes.moc"
