#pragma once

#include <memory>

class Controller;
class MainWindow;
class SupportFiles;

// Creates the application's long-lived objects (the main window with its calculators,
// the support-file writer, the controller), prepares them in order, and runs launch
// and termination. The app, the tests and the scenario tool all assemble it this way.
class AppInterface {
public:
    AppInterface();
    ~AppInterface();

    void applicationDidFinishLaunching();
    void applicationWillTerminate();

    MainWindow& mainWindow() { return *m_mainWindow; }
    Controller& controller() { return *m_controller; }
    SupportFiles& supportFiles() { return *m_supportFiles; }

private:
    std::unique_ptr<MainWindow> m_mainWindow;
    std::unique_ptr<SupportFiles> m_supportFiles;
    std::unique_ptr<Controller> m_controller;
};
