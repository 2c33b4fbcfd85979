#include "widget/ShellTest.h"

#include "app/ClearedTape.h"
#include "app/EditActions.h"
#include "app/HelpWindow.h"
#include "app/MainWindow.h"
#include "app/ShapeCatalog.h"
#include "app/SingleInstance.h"
#include "app/WindowPlacement.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <algorithm>

namespace {
QStringList shapeNames()
{
    QStringList names;
    for (const ShapeEntry& entry : ShapeCatalog::shapes())
        names << QString::fromLatin1(entry.name);
    return names;
}

QString focusName()
{
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

QStringList tabWalk(ShapeCalculator* calculator)
{
    QStringList walk;
    QWidget* start = calculator->tabChain().front();
    QWidget* widget = start;
    do {
        if (calculator->isAncestorOf(widget) && widget->isVisible() && widget->isEnabled() &&
            (widget->focusPolicy() & Qt::TabFocus))
            walk << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    return walk;
}
} // namespace

// What a keyboard user meets: where typing goes, the way Tab walks, the shortcuts; and the
// window's place across launches and the undo of Clear Tape.
class KeyboardAndWindowTest : public ShellTest {
    Q_OBJECT
private slots:
    void focusAndTabFollowTheFields_data()
    {
        QTest::addColumn<QString>("shape");
        for (const QString& shape : shapeNames())
            QTest::newRow(qPrintable(shape)) << shape;
    }
    void focusAndTabFollowTheFields()
    {
        QFETCH(QString, shape);
        // Typing goes to the first empty field at launch, when the shape changes and after
        // Clear, whatever field or box had it before.
        window().selectShape(shape);
        ShapeCalculator* calculator = window().calculator(shape);
        QTRY_COMPARE(focusName(), calculator->tabChain().front()->objectName());
        auto* first = qobject_cast<TextField*>(calculator->tabChain().front());
        first->setText(QStringLiteral("2"));
        window().selectShape(shape == QLatin1String("Circle") ? "Square" : "Circle");
        QApplication::processEvents();
        window().selectShape(shape);
        QTRY_COMPARE(focusName(), calculator->tabChain().at(1)->objectName());
        QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
        QTRY_COMPARE(focusName(), first->objectName());

        // Within each box the fields read row by row, left to right; the boxes read left to
        // right; the buttons come last, as they sit.
        std::vector<QWidget*> visual;
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            if (calculator->field(i)->focusPolicy() & Qt::TabFocus)
                visual.push_back(calculator->field(i));
        }
        const auto place = [calculator](QWidget* w) {
            const QWidget* box = w->parentWidget();
            const int boxX = box == calculator ? 0 : box->mapTo(calculator, QPoint()).x();
            const QPoint at = w->mapTo(calculator, QPoint(0, w->height() / 2));
            return std::tuple(boxX, at.y() / 8, at.x()); // rows within a few pixels are one row
        };
        std::stable_sort(visual.begin(), visual.end(),
                         [&](QWidget* a, QWidget* b) { return place(a) < place(b); });
        QStringList expected;
        for (QWidget* w : visual)
            expected << w->objectName();
        expected << calculator->clearButton()->objectName() << "calculateButton";
        QCOMPARE(tabWalk(calculator), expected);

        // Screen readers name each field and its kind, and say when it holds a given value.
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            TextField* field = calculator->field(i);
            QVERIFY2(!field->accessibleName().isEmpty() &&
                         !field->accessibleDescription().isEmpty(),
                     qPrintable(field->objectName()));
            field->setGiven(true);
            QVERIFY(field->accessibleName().endsWith(QLatin1String(", given")));
            field->setGiven(false);
        }
    }

    void shortcutsReachEveryShape()
    {
        const std::pair<const char*, const char*> steps[] = {{"Ctrl+2", "Circle"},
                                                             {"Ctrl+PgDown", "Rectangle"},
                                                             {"Ctrl+PgUp", "Circle"},
                                                             {"Ctrl+PgUp", "Ellipse"},
                                                             {"Ctrl+PgUp", "Regular Polygon"},
                                                             {"Ctrl+8", "Regular Polygon"},
                                                             {"Alt+1", "Rectangular Prism"},
                                                             {"Ctrl+PgUp", "Sphere"},
                                                             {"Ctrl+1", "Ellipse"}};
        for (const auto& [keys, shape] : steps) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
            const QKeyCombination key = QKeySequence(QLatin1String(keys))[0];
            QTest::keyClick(target, key.key(), key.keyboardModifiers());
            QApplication::processEvents();
            QCOMPARE(window().selectedShape(), QString::fromLatin1(shape));
        }
        QCOMPARE(window().action(MainWindow::Action::Preferences)->shortcut(),
                 QKeySequence(Qt::CTRL | Qt::Key_Comma));
    }

    void helpOpensAtTheShapeAndAboutShowsTheIcon()
    {
        window().selectShape("Regular Polygon");
        QTest::keyClick(&window(), Qt::Key_F1);
        QVERIFY(window().helpWindow() && window().helpWindow()->isVisible());
        QCOMPARE(window().helpWindow()->browser()->source().fragment(), QString("regular-polygon"));
        QVERIFY(window().helpWindow()->browser()->toPlainText().contains("Number of sides"));

        window().action(MainWindow::Action::About)->trigger();
        auto* about = window().findChild<QDialog*>("aboutBox");
        QVERIFY(about && about->isVisible());
        const auto* icon = about->findChild<QLabel*>();
        QVERIFY(icon && !icon->pixmap().isNull());
        about->accept();
    }

    void helpSpeaksTheLanguageInUse_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("manual");
        QTest::addColumn<QString>("heading"); // the cone's, at the top of the view
        QTest::newRow("German") << "de"
                                << "/de/manual/index.html"
                                << "Kegel";
        QTest::newRow("French") << "fr"
                                << "/fr/manual/index.html"
                                << "Cône";
        QTest::newRow("Spanish") << "es"
                                 << "/es/manual/index.html"
                                 << "Cono";
        QTest::newRow("English") << "en"
                                 << "/manual/index.html"
                                 << "Cone";
    }
    void helpSpeaksTheLanguageInUse()
    {
        QFETCH(QString, code);
        const auto restore = qScopeGuard([] { Translations::install(QStringLiteral("en")); });
        Translations::install(code);
        window().selectShape("Cone");
        QTest::keyClick(&window(), Qt::Key_F1);
        QVERIFY(window().helpWindow() && window().helpWindow()->isVisible());
        const QTextBrowser* browser = window().helpWindow()->browser();
        QTEST(browser->source().path(), "manual");
        QCOMPARE(browser->source().fragment(), QString("cone"));
        QTEST(browser->cursorForPosition(QPoint(2, 2)).block().text(), "heading");
    }

    void theWindowComesBackWhereItWasAndOnAScreen()
    {
        const QRect screen = window().screen()->availableGeometry();
        window().setGeometry(screen.left() + 40, screen.top() + 50, 640, 480);
        QVERIFY(relaunch());
        QCOMPARE(window().geometry().size(), QSize(640, 480));
        // Height the window gains goes partly to the drawing.
        const int drawing = window().graphicsDrawer()->height();
        window().resize(640, 680);
        QTRY_VERIFY(window().graphicsDrawer()->height() > drawing + 50);

        // Stored on a monitor that is gone: back on the screen, whole.
        window().setGeometry(screen.right() + 2000, screen.bottom() + 2000, 640, 480);
        QVERIFY(relaunch());
        QVERIFY(screen.contains(window().geometry()));

        UserDefaults().setString(DefaultsKeys::windowGeometry, QStringLiteral("not a geometry"));
        QVERIFY(relaunch());
        QVERIFY(window().isVisible());
    }

    void clampedOntoTheScreens_data()
    {
        QTest::addColumn<QRect>("frame");
        QTest::addColumn<QRect>("expected");
        // Two screens side by side, 1600×1000 and 1366×768.
        const auto row = [](const char* name, QRect frame, QRect expected) {
            QTest::newRow(name) << frame << expected;
        };
        row("on a screen", {100, 100, 800, 600}, {100, 100, 800, 600});
        row("on the second", {1700, 50, 800, 600}, {1700, 50, 800, 600});
        row("title bar above the top", {100, -300, 800, 600}, {100, 0, 800, 600});
        row("beyond the right", {4000, 100, 800, 600}, {2166, 100, 800, 600});
        row("larger than any screen", {-50, -50, 3000, 2000}, {0, 0, 1600, 1000});
        row("below the shorter screen", {1800, 900, 800, 600}, {1800, 168, 800, 600});
    }
    void clampedOntoTheScreens()
    {
        QFETCH(QRect, frame);
        QTEST(WindowPlacement::clamped(frame, {{0, 0, 1600, 1000}, {1600, 0, 1366, 768}}),
              "expected");
    }

    void clearTapeCanBeUndoneUntilTheTapeChanges()
    {
        window().selectShape("Circle");
        calculate("Circle", {"radiusTextField=2"});
        calculate("Circle", {"radiusTextField=3"});
        TapeView* tape = window().tapeTextView();
        const QString before = tape->toPlainText();
        QCOMPARE(tape->verticalScrollBar()->value(), tape->verticalScrollBar()->maximum());
        QAction* undo = window().editActions()->undoAction();

        window().action(MainWindow::Action::ClearTape)->trigger();
        QVERIFY(tape->toPlainText().isEmpty());
        tape->setFocus();
        window().editActions()->update();
        QCOMPARE(undo->text(), QString("&Undo Clear Tape"));
        QTest::keyClick(tape, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(tape->toPlainText(), before);
        QVERIFY(!window().clearedTape()->canUndo());
        QVERIFY(relaunch()); // and on disk
        window().selectShape("Circle");
        QCOMPARE(window().tapeTextView()->toPlainText(), before);

        // A new entry after clearing: undo would lose it, so the cleared entries stay gone.
        window().action(MainWindow::Action::ClearTape)->trigger();
        calculate("Circle", {"radiusTextField=4"});
        const QString after = window().tapeTextView()->toPlainText();
        window().editActions()->undoAction()->trigger();
        QCOMPARE(window().tapeTextView()->toPlainText(), after);
        QVERIFY(!window().clearedTape()->canUndo());
    }

    void oneInstancePerDesktopSession_data()
    {
        QTest::addColumn<QString>("runtimeDir");
        QTest::addColumn<QString>("wayland");
        QTest::addColumn<QString>("x11");
        QTest::addColumn<QString>("expected");
        const QString tmp = QDir::tempPath(), named = tmp + "/polymetra-1000-";
        const auto row = [](const char* name, const QString& runtimeDir, const char* wayland,
                            const char* x11, const QString& expected) {
            QTest::newRow(name) << runtimeDir << QString(wayland) << QString(x11) << expected;
        };
        row("X display", tmp, "", ":0", named + "x11-_0");
        row("another X display", tmp, "", "host:10.0", named + "x11-host_10.0");
        row("Wayland first", tmp, "wayland-1", ":0", named + "wayland-wayland-1");
        row("no runtime folder", "", "", ":1", "polymetra-1000-x11-_1");
        row("a path in the display", "relative", "../../x", "", "polymetra-1000-wayland-.._.._x");
    }
    void oneInstancePerDesktopSession()
    {
        QFETCH(QString, runtimeDir);
        QFETCH(QString, wayland);
        QFETCH(QString, x11);
        QTEST(SingleInstance::serverNameFor(1000, runtimeDir, wayland, x11), "expected");
    }
};

QTEST_MAIN(KeyboardAndWindowTest)
#include "tst_KeyboardAndWindow.moc"
