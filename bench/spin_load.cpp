// polymetra-bench-spin: what a spinning solid costs in the real window. For each smooth and
// straight solid it calculates the shape, sizes the scene to 800 × 600, spins it for a few
// seconds and reports the frames shown per second, the time from a frame's request to its
// swap (median and worst), and the processor time of every thread of the process (the
// renderer's included) against the wall time: the cores it takes. Then it stops the spin
// and reports the same for an idle window. Needs an X server:
//
//     xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb
//     build/release/bench/polymetra-bench-spin [SECONDS]

#include "app/AppInterface.h"
#include "app/MainWindow.h"
#include "bench/FreshHome.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "render/Render3DCanvas.h"
#include "render/Render3DView.h"
#include "render/SolidMotion.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double processSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Times each frame of the canvas from its update request to its swap.
class FrameClock : public QObject {
public:
    explicit FrameClock(Render3DCanvas* canvas)
    {
        canvas->installEventFilter(this);
        connect(canvas, &QOpenGLWindow::frameSwapped, this, [this] {
            if (m_requested.isValid())
                m_frames.push_back(double(m_requested.nsecsElapsed()) / 1e6);
            m_requested.invalidate();
        });
    }
    std::vector<double> take() { return std::exchange(m_frames, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::UpdateRequest)
            m_requested.start();
        return false;
    }

private:
    QElapsedTimer m_requested;
    std::vector<double> m_frames;
};

void runFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Load {
    double cores;
    double framesPerSecond;
    double median;
    double worst;
};

Load measure(FrameClock& clock, int milliseconds)
{
    clock.take();
    const double cpuBefore = processSeconds();
    QElapsedTimer wall;
    wall.start();
    runFor(milliseconds);
    const double seconds = double(wall.nsecsElapsed()) / 1e9;
    const double cpu = processSeconds() - cpuBefore;
    std::vector<double> frames = clock.take();
    std::sort(frames.begin(), frames.end());
    const double median = frames.empty() ? 0 : frames[frames.size() / 2];
    const double worst = frames.empty() ? 0 : frames.back();
    return {cpu / seconds, double(frames.size()) / seconds, median, worst};
}

struct Shape {
    const char* name;
    SolidKind kind;
    std::vector<std::pair<const char*, const char*>> entries; // outlet, value
};

} // namespace

int main(int argc, char* argv[])
{
    const FreshHome home;
    QApplication application(argc, argv);
    const int milliseconds = argc > 1 ? std::max(1, atoi(argv[1])) * 1000 : 3000;

    AppInterface app;
    app.applicationDidFinishLaunching();
    MainWindow& window = app.mainWindow();
    window.resize(1400, 1000);
    window.show();
    auto* view = window.findChild<Render3DView*>();
    const Shape shapes[] = {
        {"Rectangular Prism",
         SolidKind::RectangularPrism,
         {{"sideATextField", "3"}, {"sideBTextField", "2"}, {"heightTextField", "2"}}},
        {"Triangular Prism",
         SolidKind::TriangularPrism,
         {{"sideATextField", "4"},
          {"sideBTextField", "3"},
          {"sideCTextField", "2"},
          {"heightTextField", "5"}}},
        {"Trapezoidal Prism",
         SolidKind::TrapezoidalPrism,
         {{"sideATextField", "4"},
          {"sideBTextField", "2"},
          {"sideCTextField", "2"},
          {"angleBTextField", "60"},
          {"heightTextField", "3"}}},
        {"Pyramid",
         SolidKind::Pyramid,
         {{"sideATextField", "3"}, {"sideBTextField", "2"}, {"heightHTextField", "4"}}},
        {"Cylinder", SolidKind::Cylinder, {{"radiusTextField", "1"}, {"heightTextField", "3"}}},
        {"Cone", SolidKind::Cone, {{"radiusTextField", "1"}, {"HeigthHTextField", "3"}}},
        {"Sphere", SolidKind::Sphere, {{"radiusTextField", "1"}}},
        // The same solids at values that rule their grid closest (about a hundred squares
        // across, where the next step would thin them tenfold): the heaviest frames.
        {"Rectangular Prism",
         SolidKind::RectangularPrism,
         {{"sideATextField", "9.9"}, {"sideBTextField", "2"}, {"heightTextField", "2"}}},
        {"Triangular Prism",
         SolidKind::TriangularPrism,
         {{"sideATextField", "4"},
          {"sideBTextField", "3"},
          {"sideCTextField", "2"},
          {"heightTextField", "9.9"}}},
        {"Trapezoidal Prism",
         SolidKind::TrapezoidalPrism,
         {{"sideATextField", "9.9"},
          {"sideBTextField", "2"},
          {"sideCTextField", "2"},
          {"angleBTextField", "60"},
          {"heightTextField", "3"}}},
        {"Pyramid",
         SolidKind::Pyramid,
         {{"sideATextField", "3"}, {"sideBTextField", "2"}, {"heightHTextField", "9.9"}}},
        {"Cylinder", SolidKind::Cylinder, {{"radiusTextField", "1"}, {"heightTextField", "9.9"}}},
        {"Cone", SolidKind::Cone, {{"radiusTextField", "1"}, {"HeigthHTextField", "9.9"}}},
        {"Sphere", SolidKind::Sphere, {{"radiusTextField", "4.95"}}},
    };
    std::printf("800x600, %d ms each; cores = processor time of all threads / wall time\n",
                milliseconds);
    std::printf("%-18s %8s %8s %8s %12s %12s %8s\n", "solid", "squares", "cores", "frames/s",
                "median ms", "worst ms", "idle");
    for (const Shape& shape : shapes) {
        const QString name = QString::fromLatin1(shape.name);
        window.selectShape(name);
        ShapeCalculator* calculator = window.calculator(name);
        calculator->clear();
        for (const auto& [outlet, value] : shape.entries)
            calculator->fieldByOutlet(QString::fromLatin1(outlet))
                ->setText(QString::fromLatin1(value));
        calculator->calculateButton()->click();
        view->sceneArea()->setFixedSize(800, 600);
        runFor(300);
        if (!view->canvas() || !view->canvas()->isValid()) {
            std::fputs("No OpenGL view: run under xvfb-run with QT_QPA_PLATFORM=xcb.\n", stderr);
            return 1;
        }
        FrameClock clock(view->canvas());
        view->motion().setSpin(shape.kind, 0.5f);
        view->setupRenderTimer();
        runFor(300);
        const Load spinning = measure(clock, milliseconds);
        view->motion().setSpin(shape.kind, 0);
        view->clearRenderTimer();
        runFor(300);
        const Load idle = measure(clock, milliseconds / 2);
        std::printf("%-18s %8.0f %8.2f %8.1f %12.2f %12.2f %8.3f\n", shape.name,
                    view->frameOf(QSizeF(800, 600)).gridSquares, spinning.cores,
                    spinning.framesPerSecond, spinning.median, spinning.worst, idle.cores);
    }
    return 0;
}
