#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/EditActions.h"
#include "app/ForeignTapeWindow.h"
#include "app/MainWindow.h"
#include "app/TapeCommands.h"
#include "app/TapeEntryMenu.h"
#include "core/Notices.h"
#include "core/ShapeCalculator.h"
#include "core/TapeEntries.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

// Results carried out of the program: copied, exported, reused, and a tape from elsewhere.
class ResultsLeaveTheAppTest : public ShellTest {
    Q_OBJECT
private slots:
    void copyResultsGivesLinesAndATable_data()
    {
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("text");
        QTest::newRow("point") << "."
                               << "Radius: 3.5 (given)\nDiameter: 7\nArea: 38.48\n"
                                  "Circumference: 21.99\n";
        QTest::newRow("comma") << ","
                               << "Radius: 3,5 (given)\nDiameter: 7\nArea: 38,48\n"
                                  "Circumference: 21,99\n";
    }
    void copyResultsGivesLinesAndATable()
    {
        QFETCH(QString, separator);
        QFETCH(QString, text);
        app().enter("Circle", {"radiusTextField=3" + separator + "5"}, separator);
        window().calculator("Circle")->calculateButton()->click();
        window().action(MainWindow::Action::CopyResults)->trigger();
        const QMimeData* mime = QApplication::clipboard()->mimeData();
        QCOMPARE(mime->text(), text);
        QVERIFY(mime->html().contains("<td>Diameter</td><td>7</td>"));
    }

    void anEntryIsUsedAgainForEveryShape_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("entries");
        const std::pair<const char*, const char*> rows[] = {
            {"Circle", "areaTextField=10"},
            {"Square", "sideATextField=3"},
            {"Rectangle", "sideATextField=4 sideBTextField=1"},
            {"Ellipse", "RadiusATextField=1 RadiusBTextField=3"},
            {"Triangle", "areaTextField=6 sideATextField=3 angleCTextField=90"},
            {"Trapezium",
             "sideATextField=6 sideCTextField=2 heightHTextField=2 angleATextField=45"},
            {"Parallelogram", "sideATextField=5 sideBTextField=2 angleATextField=60"},
            {"Regular Polygon", "xsidesNTextField=6 xsideTextField=2.5"},
            {"Rectangular Prism", "sideATextField=2 sideBTextField=3 heightTextField=4"},
            {"Cylinder", "radiusTextField=1 volumeTextField=6.2831853"},
            {"Cone", "radiusTextField=3 HeigthHTextField=4"},
            {"Pyramid", "sideATextField=3 sideBTextField=4 heightHTextField=6"},
            {"Sphere", "diameterTextField=3"},
            {"Triangular Prism",
             "sideBTextField=4 sideCTextField=5 heightTextField=10 volumeTextField=60"},
            {"Trapezoidal Prism", "sideATextField=6 sideBTextField=2 sideCTextField=4 "
                                  "angleBTextField=90 surfaceTextField=168.28427"}};
        for (const auto& [shape, entries] : rows)
            QTest::newRow(shape) << QString(shape) << QString(entries).split(' ');
    }
    void anEntryIsUsedAgainForEveryShape()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, entries);
        ShapeCalculator* calculator = app().calculate(shape, entries);
        // An older entry, so that the one used is not simply the newest.
        const std::vector<TapeRecord> before = tapeEntries();
        QVERIFY(!before.empty());
        app().calculate(shape, entries);
        TapeEntryMenu* menu = window().tapeEntryMenu();
        QVERIFY(menu->useEntry(int(before.size()) - 1));
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            TextField* field = calculator->field(i);
            QVERIFY(!field->isGiven());
            QVERIFY(field->isEditable() || field->isOutputOnly());
        }
        for (const QString& entry : entries) {
            const TextField* field = calculator->fieldByOutlet(entry.section('=', 0, 0));
            QCOMPARE(field->text(), entry.section('=', 1));
        }
        calculator->calculateButton()->click();
        const std::vector<TapeRecord> after = tapeEntries();
        QCOMPARE(after.size(), before.size() + 2);
        QCOMPARE(after.back().lines, before.back().lines);
    }

    void doubleClickingAnEntryUsesItAndItsMenuCopiesIt()
    {
        app().show("Circle");
        ShapeCalculator* circle = app().calculate("Circle", {"radiusTextField=2"});
        app().calculate("Circle", {"diameterTextField=3"});
        TapeView* tape = window().tapeTextView();
        QTextCursor first(tape->document()->firstBlock());
        QTest::mouseDClick(tape->viewport(), Qt::LeftButton, {}, tape->cursorRect(first).center());
        QCOMPARE(AppFixture::fieldTexts(circle), QStringList({"2", "", "", ""}));
        QVERIFY(window().tapeEntryMenu()->copyEntry(1));
        QVERIFY(QApplication::clipboard()->text().contains("Diameter: 3 (given)\n"));
    }

    void anEntryWhoseLabelsMatchNoFieldIsRefused()
    {
        app().calculate("Circle", {"radiusTextField=2"});
        TapeView* tape = window().tapeTextView();
        QTextCursor cursor(tape->document());
        cursor.movePosition(QTextCursor::End);
        QTextCharFormat blue;
        blue.setForeground(QColor(43, 136, 230));
        cursor.insertText(QString(QChar::LineSeparator) + QChar::ParagraphSeparator, {});
        cursor.insertText("old date" + QString(QChar::LineSeparator) + "Radius (cm): 4", blue);
        QVERIFY(!window().tapeEntryMenu()->useEntry(1));
        QVERIFY(Notices::instance().history().last().contains("Radius (cm)"));
    }

    void removingAnEntrySavesAndUndoes()
    {
        app().calculate("Square", {"sideATextField=1"});
        app().calculate("Square", {"sideATextField=2"});
        app().calculate("Square", {"sideATextField=3"});
        TapeEntryMenu* menu = window().tapeEntryMenu();
        const std::vector<TapeRecord> all = tapeEntries();
        QVERIFY(menu->removeEntry(2));
        QVERIFY(menu->removeEntry(0));
        app().relaunch();
        app().show("Square");
        QCOMPARE(tapeEntries().size(), size_t(1));
        QCOMPARE(tapeEntries().front().lines, all[1].lines);
        menu = window().tapeEntryMenu();
        QVERIFY(menu->removeEntry(0));
        QAction* undo = window().editActions()->undoAction();
        QCOMPARE(undo->text(), QString("&Undo Remove Entry"));
        undo->trigger();
        QVERIFY(!menu->canUndoRemove());
        QCOMPARE(tapeEntries().front().lines, all[1].lines);
    }

    void aFailedExportSaysWhyAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/tape.csv";
        QTest::newRow("a folder in its place") << "folder.csv";
    }
    void aFailedExportSaysWhyAndLeavesNothing()
    {
        QFETCH(QString, target);
        QVERIFY(QDir::home().mkpath("folder.csv"));
        app().calculate("Circle", {"radiusTextField=2"});
        const QString path = QDir::home().filePath(target);
        QVERIFY(!window().tapeCommands()->exportTo(path, TapeExport::Format::Csv));
        QVERIFY(Notices::instance().history().last().contains(path));
        QCOMPARE(QDir::home().entryList(QDir::Files), QStringList());
    }

    void theExportDialogIncludesTheWorkingWhenTicked()
    {
        app().calculate("Circle", {"radiusTextField=2"});
        const QString path = QDir::home().filePath("tape");
        QTimer::singleShot(0, this, [path] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            auto* box = dialog->findChild<QCheckBox*>();
            QVERIFY(box && box->isEnabled() && !box->isChecked());
            box->click();
            dialog->selectNameFilter(TapeCommands::filters().at(1)); // plain text
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept(); // as the Save button does
        });
        window().tapeCommands()->exportTape();
        QFile file(path + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().contains("Working:\n  Given: Radius = 2\n  d = 2·r = 2·2 = 4\n"));
        QVERIFY(UserDefaults().boolForKey(TapeCommands::includeWorkingKey));
    }

    void printingTheTapePrintsItsEntries()
    {
        app().calculate("Circle", {"radiusTextField=2"});
        app().calculate("Circle", {"radiusTextField=3"});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QDir::home().filePath("tape.pdf"));
        QVERIFY(window().tapeCommands()->printTo(printer));
        QFile pdf(QDir::home().filePath("tape.pdf"));
        QVERIFY(pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-");
        QCOMPARE(window().action(MainWindow::Action::PrintTape)->shortcut(),
                 QKeySequence(QKeySequence::Print));
    }

    void aTapeFromElsewhereOpensReadOnly()
    {
        app().calculate("Circle", {"radiusTextField=2"});
        const QString path = QDir::home().filePath("Circle Tape");
        QVERIFY(window().tapeCommands()->exportTo(path, TapeExport::Format::Rtf));
        app().show("Square");
        app().calculate("Square", {"sideATextField=1"});
        app().controller().openFile(path);
        ForeignTapeWindow* shown = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            shown = shown ? shown : qobject_cast<ForeignTapeWindow*>(widget);
        QVERIFY(shown);
        QVERIFY(shown->windowTitle().contains(path));
        QVERIFY(shown->view()->isReadOnly());
        QVERIFY(shown->view()->toPlainText().contains("Radius: 2"));
        // The user's own tape and shape stay as they were.
        QCOMPARE(window().selectedShape(), QString("Square"));
        QCOMPARE(window().tapeTextView()->heldShape(), QString("Square"));
        shown->copyButton()->click();
        QVERIFY(QApplication::clipboard()->text().contains("Radius: 2 (given)"));
    }

private:
    std::vector<TapeRecord> tapeEntries()
    {
        return TapeEntries::read(*window().tapeTextView()->document());
    }
};

QTEST_MAIN(ResultsLeaveTheAppTest)
#include "tst_ResultsLeaveTheApp.moc"
