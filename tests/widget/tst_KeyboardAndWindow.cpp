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
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <algorithm>

// What a keyboard user meets: where typing goes, the way Tab walks, the shortcuts; and the
// window's place across launches and the undo of Clear Tape.
class KeyboardAndWindowTest : public ShellTest {
    Q_OBJECT
private slots:
    void typingGoesToTheFirstEmptyField_data();
    void typingGoesToTheFirstEmptyField();
    void tabFollowsTheVisualOrder_data();
    void tabFollowsTheVisualOrder();
    void shortcutsReachEveryShape();
    void helpOpensAtTheShapeAndAboutShowsTheIcon();
    void helpSpeaksTheLanguageInUse_data();
    void helpSpeaksTheLanguageInUse();
    void theWindowComesBackWhereItWasAndOnAScreen();
    void clampedOntoTheScreens_data();
    void clampedOntoTheScreens();
    void clearTapeCanBeUndoneUntilTheTapeChanges();
    void oneInstancePerDesktopSession_data();
    void oneInstancePerDesktopSession();

private:
    static QStringList tabWalk(ShapeCalculator* calculator);
};

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
} // namespace

QStringList KeyboardAndWindowTest::tabWalk(ShapeCalculator* calculator)
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

void KeyboardAndWindowTest::typingGoesToTheFirstEmptyField_data()
{
    QTest::addColumn<QString>("shape");
    for (const QString& shape : shapeNames())
        QTest::newRow(qPrintable(shape)) << shape;
}

// At launch, when the shape changes and after Clear, whatever field or box had it before.
void KeyboardAndWindowTest::typingGoesToTheFirstEmptyField()
{
    QFETCH(QString, shape);
    window().selectShape(shape);
    ShapeCalculator* calculator = window().calculator(shape);
    QTRY_COMPARE(focusName(), calculator->tabChain().front()->objectName());

    // The first field filled: typing moves on to the next empty one at the next visit.
    auto* first = qobject_cast<TextField*>(calculator->tabChain().front());
    first->setText(QStringLiteral("2"));
    window().selectShape(shape == QLatin1String("Circle") ? "Square" : "Circle");
    QApplication::processEvents();
    window().selectShape(shape);
    QTRY_COMPARE(focusName(), calculator->tabChain().at(1)->objectName());

    QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
    QTRY_COMPARE(focusName(), first->objectName());
}

void KeyboardAndWindowTest::tabFollowsTheVisualOrder_data()
{
    typingGoesToTheFirstEmptyField_data();
}

// Within each box the fields read row by row, left to right; the boxes read left to right;
// the buttons come last, as they sit.
void KeyboardAndWindowTest::tabFollowsTheVisualOrder()
{
    QFETCH(QString, shape);
    window().selectShape(shape);
    ShapeCalculator* calculator = window().calculator(shape);
    QTRY_VERIFY(calculator->isVisible());
    const QStringList walk = tabWalk(calculator);

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
    QCOMPARE(walk, expected);

    // Screen readers name each field and its kind, and say when it holds a given value.
    for (int i = 0; i < calculator->fieldCount(); ++i) {
        TextField* field = calculator->field(i);
        QVERIFY2(!field->accessibleName().isEmpty() && !field->accessibleDescription().isEmpty(),
                 qPrintable(field->objectName()));
        field->setGiven(true);
        QVERIFY(field->accessibleName().endsWith(QLatin1String(", given")));
        field->setGiven(false);
    }
}

void KeyboardAndWindowTest::shortcutsReachEveryShape()
{
    const auto press = [this](const char* keys) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
        const QKeyCombination key = QKeySequence(QLatin1String(keys))[0];
        QTest::keyClick(target, key.key(), key.keyboardModifiers());
        QApplication::processEvents();
    };
    const std::vector<std::pair<const char*, const char*>> steps = {
        {"Ctrl+2", "Circle"},
        {"Ctrl+PgDown", "Rectangle"},
        {"Ctrl+PgUp", "Circle"},
        {"Ctrl+PgUp", "Ellipse"},
        {"Ctrl+PgUp", "Regular Polygon"},
        {"Ctrl+8", "Regular Polygon"},
        {"Alt+1", "Rectangular Prism"},
        {"Ctrl+PgUp", "Sphere"},
        {"Ctrl+1", "Ellipse"},
    };
    for (const auto& [keys, shape] : steps) {
        press(keys);
        QCOMPARE(window().selectedShape(), QString::fromLatin1(shape));
    }
    QCOMPARE(window().action(MainWindow::Action::Preferences)->shortcut(),
             QKeySequence(Qt::CTRL | Qt::Key_Comma));
}

void KeyboardAndWindowTest::helpOpensAtTheShapeAndAboutShowsTheIcon()
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

void KeyboardAndWindowTest::helpSpeaksTheLanguageInUse_data()
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

void KeyboardAndWindowTest::helpSpeaksTheLanguageInUse()
{
    QFETCH(QString, code);
    QFETCH(QString, manual);
    QFETCH(QString, heading);
    const auto restore = qScopeGuard([] { Translations::install(QStringLiteral("en")); });
    Translations::install(code);
    window().selectShape("Cone");
    QTest::keyClick(&window(), Qt::Key_F1);
    QVERIFY(window().helpWindow() && window().helpWindow()->isVisible());
    const QTextBrowser* browser = window().helpWindow()->browser();
    QCOMPARE(browser->source().path(), manual);
    QCOMPARE(browser->source().fragment(), QString("cone"));
    QCOMPARE(browser->cursorForPosition(QPoint(2, 2)).block().text(), heading);
}

void KeyboardAndWindowTest::theWindowComesBackWhereItWasAndOnAScreen()
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

void KeyboardAndWindowTest::clampedOntoTheScreens_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("expected");
    // Two screens side by side, 1600×1000 and 1366×768.
    QTest::newRow("on a screen") << QRect(100, 100, 800, 600) << QRect(100, 100, 800, 600);
    QTest::newRow("on the second") << QRect(1700, 50, 800, 600) << QRect(1700, 50, 800, 600);
    QTest::newRow("title bar above the top")
        << QRect(100, -300, 800, 600) << QRect(100, 0, 800, 600);
    QTest::newRow("beyond the right") << QRect(4000, 100, 800, 600) << QRect(2166, 100, 800, 600);
    QTest::newRow("larger than any screen")
        << QRect(-50, -50, 3000, 2000) << QRect(0, 0, 1600, 1000);
    QTest::newRow("below the shorter screen")
        << QRect(1800, 900, 800, 600) << QRect(1800, 168, 800, 600);
}

void KeyboardAndWindowTest::clampedOntoTheScreens()
{
    QFETCH(QRect, frame);
    QFETCH(QRect, expected);
    QCOMPARE(WindowPlacement::clamped(frame, {QRect(0, 0, 1600, 1000), QRect(1600, 0, 1366, 768)}),
             expected);
}

void KeyboardAndWindowTest::clearTapeCanBeUndoneUntilTheTapeChanges()
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

void KeyboardAndWindowTest::oneInstancePerDesktopSession_data()
{
    QTest::addColumn<QString>("runtimeDir");
    QTest::addColumn<QString>("wayland");
    QTest::addColumn<QString>("x11");
    QTest::addColumn<QString>("expected");
    const QString tmp = QDir::tempPath();
    QTest::newRow("X display") << tmp << ""
                               << ":0" << tmp + "/polymetra-1000-x11-_0";
    QTest::newRow("another X display") << tmp << ""
                                       << "host:10.0" << tmp + "/polymetra-1000-x11-host_10.0";
    QTest::newRow("Wayland first") << tmp << "wayland-1"
                                   << ":0" << tmp + "/polymetra-1000-wayland-wayland-1";
    QTest::newRow("no runtime folder") << ""
                                       << ""
                                       << ":1"
                                       << "polymetra-1000-x11-_1";
    QTest::newRow("a path in the display") << "relative"
                                           << "../../x"
                                           << ""
                                           << "polymetra-1000-wayland-.._.._x";
}

void KeyboardAndWindowTest::oneInstancePerDesktopSession()
{
    QFETCH(QString, runtimeDir);
    QFETCH(QString, wayland);
    QFETCH(QString, x11);
    QFETCH(QString, expected);
    QCOMPARE(SingleInstance::serverNameFor(1000, runtimeDir, wayland, x11), expected);
}

QTEST_MAIN(KeyboardAndWindowTest)
#include "tst_KeyboardAndWindow.moc"
