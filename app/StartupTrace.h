#pragma once

#include <QObject>

// Start-up instrumentation for the benchmarks, off unless POLYMETRA_STARTUP_TRACE is set:
// prints to standard error, once each, when the first window is mapped and when it is
// first painted ("painted-gl" for the first frame of an OpenGL widget), each with the
// resident memory: "startup EVENT KIB". The benchmark times the lines as they arrive. With
// POLYMETRA_STARTUP_TRACE=quit-plane or quit-solid the program quits after the first
// paint or the first OpenGL frame, so a benchmark can launch it many times.
class StartupTrace : public QObject {
    Q_OBJECT
public:
    // Installs the trace on the application when the environment asks for it.
    static void installIfAsked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit StartupTrace(QObject* parent);
    void report(const char* event);

    bool m_mapped = false;
    bool m_painted = false;
    bool m_paintedGL = false;
    QByteArray m_quitAfter;
};
