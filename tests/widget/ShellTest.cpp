#include "widget/ShellTest.h"

#include "app/MainWindow.h"
#include "core/Notices.h"

#include <QFile>
#include <QTest>

void ShellTest::init()
{
    Notices::instance().reset();
    m_app = std::make_unique<AppFixture>();
    launched();
}

void ShellTest::cleanup()
{
    m_app.reset();
}

bool ShellTest::launch()
{
    m_app->launch();
    return QTest::qWaitForWindowExposed(&window());
}

QByteArray ShellTest::bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
