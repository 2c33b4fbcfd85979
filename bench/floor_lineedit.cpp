// The floor of start-up: a Qt window with one line edit, timed by the same trace as the app.
#include "app/StartupTrace.h"

#include <QApplication>
#include <QLineEdit>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    StartupTrace::installIfAsked();
    QLineEdit edit;
    edit.resize(400, 40);
    edit.show();
    return application.exec();
}
