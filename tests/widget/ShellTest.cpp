#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "app/MyTabView.h"
#include "core/Notices.h"
#include "core/NotificationCenter.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"

#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTest>

void ShellTest::init()
{
    m_home = std::make_unique<TestHome>();
    AlertPresenter::setInstance(&m_alerts);
    m_alerts.reset();
    m_alerts.setAnswer(AlertPresenter::DefaultButton);
    Notices::instance().reset();
    QVERIFY(launch());
    launched();
}

void ShellTest::cleanup()
{
    m_interface.reset();
    AlertPresenter::setInstance(nullptr);
    m_home.reset();
}

bool ShellTest::launch()
{
    m_interface = std::make_unique<AppInterface>();
    m_interface->applicationDidFinishLaunching();
    return QTest::qWaitForWindowExposed(&window());
}

void ShellTest::quit()
{
    if (m_interface)
        m_interface->applicationWillTerminate();
    m_interface.reset();
}

void ShellTest::startOverOnNewHome()
{
    m_interface.reset();
    m_home = std::make_unique<TestHome>();
}

void ShellTest::clickTab(MyTabView* view, const QString& identifier)
{
    for (int i = 0; i < view->count(); ++i) {
        if (view->identifier(i) == identifier)
            QTest::mouseClick(view->tabBar(), Qt::LeftButton, Qt::NoModifier,
                              view->tabBar()->tabRect(i).center());
    }
}

void ShellTest::calculate(const QString& shape, const QStringList& assignments)
{
    ShapeCalculator* calculator = window().calculator(shape);
    QVERIFY(calculator);
    QTest::mouseClick(calculator->clearButton(), Qt::LeftButton);
    for (const QString& assignment : assignments) {
        const QStringList parts = assignment.split('=');
        calculator->fieldByOutlet(parts.at(0))->setText(parts.at(1));
    }
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
}

QByteArray ShellTest::bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int ShellTest::posts(const QString& name)
{
    return NotificationCenter::defaultCenter().postCount(name);
}
