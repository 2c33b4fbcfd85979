#include "app/StartupTrace.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace {

long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

} // namespace

StartupTrace::StartupTrace(QObject* parent)
    : QObject(parent), m_quitAfter(qgetenv("POLYMETRA_STARTUP_TRACE"))
{
}

void StartupTrace::installIfAsked()
{
    if (qEnvironmentVariableIsEmpty("POLYMETRA_STARTUP_TRACE") || !QCoreApplication::instance())
        return;
    QCoreApplication::instance()->installEventFilter(
        new StartupTrace(QCoreApplication::instance()));
}

bool StartupTrace::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_mapped && event->type() == QEvent::Expose) {
        if (const auto* exposed = qobject_cast<QWindow*>(watched);
            exposed && exposed->isExposed()) {
            m_mapped = true;
            report("mapped");
        }
    }
    // A GL window draws on expose and on update requests; a GL widget in its paint event.
    const auto* window = qobject_cast<QWindow*>(watched);
    const bool glWindow = window && watched->inherits("QOpenGLWindow") &&
                          (event->type() == QEvent::UpdateRequest ||
                           (event->type() == QEvent::Expose && window->isExposed()));
    const bool glWidget = event->type() == QEvent::Paint && watched->inherits("QOpenGLWidget");
    if ((glWindow || glWidget) && !m_paintedGL) {
        m_paintedGL = true;
        // The frame is drawn while this event is handled; reported once it has been.
        QTimer::singleShot(0, this, [this] { report("painted-gl"); });
    } else if (event->type() == QEvent::Paint && watched->isWidgetType() && !glWidget &&
               !m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] { report("painted"); });
    }
    return QObject::eventFilter(watched, event);
}

void StartupTrace::report(const char* event)
{
    std::fprintf(stderr, "startup %s %ld\n", event, residentKib());
    std::fflush(stderr);
    const bool gl = qstrcmp(event, "painted-gl") == 0;
    if ((m_quitAfter == "quit-plane" && qstrcmp(event, "painted") == 0) ||
        (m_quitAfter == "quit-solid" && gl))
        QCoreApplication::exit(0);
}
