#pragma once

#include <QOpenGLWindow>

class Render3DView;

// The solid view's OpenGL surface: a window of its own, held in the view by a window
// container. The rest of the main window stays out of OpenGL composition, so showing a
// solid never recreates the main window (no flicker) and costs none of the memory a
// composed window would; mouse input goes to the view.
class Render3DCanvas : public QOpenGLWindow {
    Q_OBJECT
public:
    explicit Render3DCanvas(Render3DView* view);
    ~Render3DCanvas() override;

    static QSurfaceFormat surfaceFormat();

    // Draws the next frame off-screen, as paintGL would, and returns it (for screenshots
    // and tests: a window's own buffer cannot be read back once it has been shown).
    QImage drawnFrame();

protected:
    void initializeGL() override;
    void paintGL() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void releaseResources();
    // The pointer's x in the main window, where the view measures drags.
    double windowX(const QMouseEvent* event) const;

    Render3DView* m_view;
};
