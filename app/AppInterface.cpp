#include "app/AppInterface.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/SupportFiles.h"

AppInterface::AppInterface()
    : m_mainWindow(std::make_unique<MainWindow>()),
      m_supportFiles(std::make_unique<SupportFiles>()),
      m_controller(std::make_unique<Controller>(m_mainWindow.get()))
{
    // Tape files must exist before the first tape is loaded or saved.
    m_mainWindow->awakeFromNib();
    m_supportFiles->awakeFromNib();
    m_controller->awakeFromNib();
}

AppInterface::~AppInterface()
{
    m_controller.reset();
    m_supportFiles.reset();
    m_mainWindow.reset();
}

void AppInterface::applicationDidFinishLaunching()
{
    m_controller->applicationDidFinishLaunching();
}

void AppInterface::applicationWillTerminate()
{
    m_controller->applicationWillTerminate();
}
