#include "render/Render3DCanvas.h"

#include "render/Render3DView.h"

#include <QMouseEvent>
#include <QOpenGLContext>

Render3DCanvas::Render3DCanvas(Render3DView* view, QWidget* parent)
    : QOpenGLWidget(parent), m_view(view)
{
    setObjectName(QStringLiteral("render3DCanvas"));
    setFormat(surfaceFormat());
}

Render3DCanvas::~Render3DCanvas()
{
    releaseResources();
    // The base class destroys the context after this destructor: nothing left to free.
    if (context())
        disconnect(context(), nullptr, this, nullptr);
}

QSurfaceFormat Render3DCanvas::surfaceFormat()
{
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    // Buffer swaps wait for the display, so a spin never draws faster than it refreshes.
    format.setSwapInterval(1);
    return format;
}

void Render3DCanvas::initializeGL()
{
    connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, &Render3DCanvas::releaseResources,
            Qt::DirectConnection);
    m_view->contextCreated();
}

void Render3DCanvas::releaseResources()
{
    if (!context())
        return;
    makeCurrent();
    m_view->renderer().releaseResources();
    doneCurrent();
}

void Render3DCanvas::paintGL()
{
    m_view->drawRect(defaultFramebufferObject(), float(devicePixelRatioF()));
}

void Render3DCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_view->mouseDown(event->scenePosition().x());
}

void Render3DCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        m_view->mouseDragged(event->scenePosition().x());
}

void Render3DCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_view->mouseUp(event->scenePosition().x());
}
