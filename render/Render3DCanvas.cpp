#include "render/Render3DCanvas.h"

#include "render/Render3DView.h"

#include <QMouseEvent>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QWidget>

Render3DCanvas::Render3DCanvas(Render3DView* view) : m_view(view)
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
    m_view->drawRect(defaultFramebufferObject(), float(devicePixelRatio()));
    // An anti-aliased frame is finished over the next frames, with input handled between.
    if (m_view->renderer().refining())
        update();
}

void Render3DCanvas::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_view->mouseDown(windowX(event));
}

void Render3DCanvas::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() & Qt::LeftButton)
        m_view->mouseDragged(windowX(event));
}

void Render3DCanvas::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_view->mouseUp(windowX(event));
}

QImage Render3DCanvas::drawnFrame()
{
    if (!isValid())
        return {};
    makeCurrent();
    const QSize pixels = size() * devicePixelRatio();
    QOpenGLFramebufferObject target(pixels, QOpenGLFramebufferObject::CombinedDepthStencil);
    target.bind();
    m_view->drawRect(target.handle(), float(devicePixelRatio()));
    // As the window shows it: its alpha is never composited.
    QImage image = target.toImage();
    image.reinterpretAsFormat(image.format() == QImage::Format_RGBA8888_Premultiplied
                                  ? QImage::Format_RGBX8888
                                  : QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio());
    doneCurrent();
    return image;
}

double Render3DCanvas::windowX(const QMouseEvent* event) const
{
    return double(m_view->window()->mapFromGlobal(event->globalPosition().toPoint()).x());
}
