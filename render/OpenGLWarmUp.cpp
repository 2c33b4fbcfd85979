#include "render/OpenGLWarmUp.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QOpenGLContext>
#include <QThread>

Q_LOGGING_CATEGORY(lcWarmUp, "polymetra.opengl")

namespace {
OpenGLWarmUp* current = nullptr;
}

OpenGLWarmUp::OpenGLWarmUp()
{
    if (!current)
        current = this;
}

OpenGLWarmUp::~OpenGLWarmUp()
{
    join();
    if (current == this)
        current = nullptr;
}

void OpenGLWarmUp::start(const QSurfaceFormat& format)
{
    if (m_thread || m_taken)
        return;
    m_context = std::make_unique<QOpenGLContext>();
    m_context->setFormat(format);
    QOpenGLContext* context = m_context.get();
    QThread* gui = thread();
    // The context is handed to the worker and back: QOpenGLContext::create() makes the
    // platform context on the thread the object lives in.
    context->moveToThread(nullptr);
    m_thread = QThread::create([context, gui] {
        context->moveToThread(QThread::currentThread());
        if (!context->create())
            qCInfo(lcWarmUp) << "No OpenGL context could be made on this display";
        // The share group is made with the context, on this thread; it must go on living
        // where its deferred deletion can run once the context is gone.
        if (QOpenGLContextGroup* group = context->shareGroup())
            group->moveToThread(gui);
        context->moveToThread(gui);
    });
    m_thread->setObjectName(QStringLiteral("OpenGL warm-up"));
    connect(m_thread, &QThread::finished, this, &OpenGLWarmUp::finished, Qt::QueuedConnection);
    m_thread->start();
}

OpenGLWarmUp* OpenGLWarmUp::pending()
{
    return current && !current->m_taken ? current : nullptr;
}

bool OpenGLWarmUp::isRunning() const
{
    return m_thread && !m_thread->isFinished();
}

std::unique_ptr<QOpenGLContext> OpenGLWarmUp::take()
{
    join();
    m_taken = true;
    return std::move(m_context);
}

void OpenGLWarmUp::join()
{
    if (!m_thread)
        return;
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
}
