#pragma once

#include <QOpenGLWidget>

class Render3DView;

// The OpenGL surface of the solid view (compatibility profile, fixed-function GL). It
// is created only when a solid is first shown, so a session spent on plane figures
// never pays for an OpenGL context. It draws and passes the mouse on to its view.
class Render3DCanvas : public QOpenGLWidget {
    Q_OBJECT
public:
    explicit Render3DCanvas(Render3DView* view, QWidget* parent = nullptr);
    ~Render3DCanvas() override;

    static QSurfaceFormat surfaceFormat();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void releaseResources();

    Render3DView* m_view;
};
