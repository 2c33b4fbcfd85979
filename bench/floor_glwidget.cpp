// The floor of a start-up with OpenGL: a Qt window holding one OpenGL widget that clears
// its frame, timed by the same trace as the app.
#include "app/StartupTrace.h"

#include <QApplication>
#include <QOpenGLFunctions>
#include <QOpenGLWidget>

namespace {
class ClearingWidget : public QOpenGLWidget, protected QOpenGLFunctions {
protected:
    void initializeGL() override { initializeOpenGLFunctions(); }
    void paintGL() override
    {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    StartupTrace::installIfAsked();
    ClearingWidget widget;
    widget.resize(980, 720);
    widget.show();
    return application.exec();
}
