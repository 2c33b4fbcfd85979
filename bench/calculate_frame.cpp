// polymetra-bench-calculate: from a click on Calculate to the figure on screen, in the real
// window, with the shape's tape 100,000 entries long (16 MiB). A plane figure (the circle)
// counts until its view has painted and the window flushed; a solid (the cone) until the
// OpenGL view has swapped its first frame. Both views are 800 × 600. The calculation, the
// tape's entry and the save handed to the saver thread are all inside. Needs an X server:
//
//     xvfb-run -a -s "-screen 0 1600x1000x24" env QT_QPA_PLATFORM=xcb
//     build/release/bench/polymetra-bench-calculate [RUNS]

#include "app/AppInterface.h"
#include "app/MainWindow.h"
#include "bench/FreshHome.h"
#include "bench/LongTape.h"
#include "core/ShapeCalculator.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "render/Render2DView.h"
#include "render/Render3DCanvas.h"
#include "render/Render3DView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Notes the paint events a widget receives.
class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return false;
    }
};

void report(const char* what, std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-42s median %6.2f ms   best %6.2f ms   worst %6.2f ms   (%zu runs)\n", what,
                times[times.size() / 2], times.front(), times.back(), times.size());
}

// Runs the event loop for a while: what the last calculation started (the anti-aliased
// frames of a solid, the tape's save) is over by then.
void settle()
{
    QEventLoop loop;
    QTimer::singleShot(150, &loop, &QEventLoop::quit);
    loop.exec();
}

// Clicks Calculate with new values, once everything before has settled, and runs the event
// loop until `drawn` says so.
template <typename Drawn>
double clickToDrawn(ShapeCalculator* calculator, const QList<QPair<const char*, QString>>& entries,
                    Drawn drawn)
{
    calculator->clear();
    for (const auto& [outlet, value] : entries)
        calculator->fieldByOutlet(QString::fromLatin1(outlet))->setText(value);
    settle();
    TapeSaver::instance().waitForPending();
    drawn(); // forgets what was drawn before the click
    QElapsedTimer timer;
    timer.start();
    calculator->calculateButton()->click();
    while (!drawn())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[])
{
    const FreshHome home;
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 30;

    AppInterface app;
    app.applicationDidFinishLaunching();
    for (const char* shape : {"Circle", "Cone"})
        writeLongTape(QString::fromLatin1(shape), 16 * 1024 * 1024);
    MainWindow& window = app.mainWindow();
    window.resize(1500, 1000);
    window.show();

    window.selectShape(QStringLiteral("Circle"));
    ShapeCalculator* circle = window.calculator(QStringLiteral("Circle"));
    auto* plane = window.findChild<Render2DView*>();
    plane->setFixedSize(800, 600);
    PaintSeen planePaint;
    plane->installEventFilter(&planePaint);
    std::vector<double> planeTimes;
    for (int run = 0; run <= runs; ++run) {
        const double ms = clickToDrawn(circle, {{"radiusTextField", QString::number(1 + run % 9)}},
                                       [&] { return std::exchange(planePaint.seen, false); });
        if (run > 0) // the first also lays out the window
            planeTimes.push_back(ms);
    }
    std::printf("circle tape: %d entries held in the view, %d older left in the file\n",
                window.tapeTextView()->document()->blockCount(),
                window.tapeTextView()->olderEntriesLeft());

    window.selectShape(QStringLiteral("Cone"));
    ShapeCalculator* cone = window.calculator(QStringLiteral("Cone"));
    auto* solid = window.findChild<Render3DView*>();
    solid->sceneArea()->setFixedSize(800, 600);
    while (!solid->canvas() || !solid->canvas()->isValid())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    bool swapped = false;
    QObject::connect(solid->canvas(), &QOpenGLWindow::frameSwapped, [&] { swapped = true; });
    std::vector<double> solidTimes;
    for (int run = 0; run <= runs; ++run) {
        const double ms = clickToDrawn(cone,
                                       {{"radiusTextField", QString::number(1 + run % 9)},
                                        {"HeigthHTextField", QStringLiteral("3")}},
                                       [&] { return std::exchange(swapped, false); });
        if (run > 0)
            solidTimes.push_back(ms);
    }
    report("circle, 100,000-entry tape: click to painted", planeTimes);
    report("cone, 100,000-entry tape: click to first frame", solidTimes);
    TapeSaver::instance().waitForPending();
    return 0;
}
