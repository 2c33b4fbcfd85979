#include "support/AppFixture.h"

#include "app/AppInterface.h"
#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "core/Colours.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"
#include "core/TextField.h"

#include <QApplication>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

AppFixture::AppFixture() : m_home(std::make_unique<TestHome>())
{
    AlertPresenter::setInstance(&m_alerts);
    launch();
}

AppFixture::~AppFixture()
{
    m_app.reset();
    AlertPresenter::setInstance(nullptr);
}

void AppFixture::launch()
{
    m_app.reset();
    m_app = std::make_unique<AppInterface>();
    m_app->applicationDidFinishLaunching();
    QVERIFY(QTest::qWaitForWindowExposed(&window()));
}

void AppFixture::relaunch()
{
    terminate();
    launch();
}

void AppFixture::terminate()
{
    if (m_app)
        m_app->applicationWillTerminate();
    m_app.reset();
}

void AppFixture::moveToNewHome()
{
    // A program that stops still finishes the saves it began, in its own home.
    TapeSaver::instance().waitForPending();
    m_app.reset();
    m_home = std::make_unique<TestHome>();
}

MainWindow& AppFixture::window()
{
    return m_app->mainWindow();
}

Controller& AppFixture::controller()
{
    return m_app->controller();
}

QString AppFixture::tapeText()
{
    return window().tapeTextView()->toPlainText();
}

ShapeCalculator* AppFixture::show(const QString& shape)
{
    window().selectShape(shape);
    QApplication::processEvents();
    return window().calculator(shape);
}

ShapeCalculator* AppFixture::calculate(const QString& shape, const QStringList& assignments)
{
    ShapeCalculator* calculator = window().calculator(shape);
    Q_ASSERT_X(calculator, "AppFixture::calculate", qPrintable(shape));
    QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
    for (const QString& assignment : assignments) {
        TextField* field = calculator->fieldByOutlet(assignment.section(QLatin1Char('='), 0, 0));
        Q_ASSERT_X(field, "AppFixture::calculate", qPrintable(assignment));
        field->setText(assignment.section(QLatin1Char('='), 1));
    }
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
    QApplication::processEvents();
    // The tape is saved off the GUI thread; what a test checks next may be its file.
    TapeSaver::instance().waitForPending();
    return calculator;
}

void AppFixture::type(TextField* field, const QString& text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}

void AppFixture::clickTab(MyTabView* view, const QString& identifier)
{
    for (int i = 0; i < view->count(); ++i) {
        if (view->identifier(i) == identifier)
            QTest::mouseClick(view->tabBar(), Qt::LeftButton, Qt::NoModifier,
                              view->tabBar()->tabRect(i).center());
    }
}

ShapeCalculator* AppFixture::enter(const QString& shape, const QStringList& entries,
                                   const QString& separator)
{
    NumberFormatter::setShared(NumberFormatter(2, separator.front()));
    ShapeCalculator* calculator = show(shape);
    for (const QString& entry : entries) {
        TextField* field = calculator->fieldByOutlet(entry.section('=', 0, 0));
        if (!field)
            qFatal("no field %s", qPrintable(entry));
        type(field, entry.section('=', 1));
    }
    return calculator;
}

QStringList AppFixture::tapeLines()
{
    QStringList lines;
    QTextDocument* document = window().tapeTextView()->document();
    const QStringList text = document->toPlainText().split('\n');
    int start = int(text.constFirst().size()) + 1;
    for (const QString& line : text.mid(1)) {
        QTextCursor cursor(document);
        cursor.setPosition(start + 1);
        const bool given =
            cursor.charFormat().foreground().color().rgb() == Colours::tapeGivenValue().rgb();
        lines << (given ? "*" : "") + line;
        start += int(line.size()) + 1;
    }
    return lines;
}

QStringList AppFixture::fieldTexts(const ShapeCalculator* calculator)
{
    QStringList all;
    for (int i = 0; i < calculator->fieldCount(); ++i)
        all << calculator->field(i)->text();
    return all;
}
