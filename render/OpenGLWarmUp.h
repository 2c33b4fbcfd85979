#pragma once

#include <QObject>
#include <QSurfaceFormat>

#include <memory>

class QOpenGLContext;
class QThread;

// Loads the OpenGL driver on a worker thread while the window is being built. The driver
// is most of a launch on a solid (tens of milliseconds of loading and relocating); made
// in parallel with the widgets, the solid's first frame waits for it far less, and a
// first solid shown later does not freeze the window. One warm-up runs per process, owned
// by main().
class OpenGLWarmUp : public QObject {
    Q_OBJECT
public:
    OpenGLWarmUp();
    // Waits for a warm-up still running: its context must not outlive the application.
    ~OpenGLWarmUp() override;

    // Starts creating a context of `format` on a worker thread, unless it was started
    // before. GUI thread only.
    void start(const QSurfaceFormat& format);

    // The warm-up of this process while it has not been taken, or nullptr.
    static OpenGLWarmUp* pending();
    bool isRunning() const;

    // Waits for the warm-up and returns its context, now owned by the calling (GUI) thread:
    // created, or not when the platform has no OpenGL. Null when nothing was started or it
    // was taken before; the warm-up is then no longer pending.
    std::unique_ptr<QOpenGLContext> take();

signals:
    // The context is made (or failed); queued to the GUI thread.
    void finished();

private:
    void join();

    QThread* m_thread = nullptr;
    std::unique_ptr<QOpenGLContext> m_context;
    bool m_taken = false;
};
