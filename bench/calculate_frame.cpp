// polymetra-bench-calculate: from a click on Calculate to the figure on screen, in the real
// window, with the shape's tape 100,000 entries long (16 MiB). A plane figure (the circle)
// counts until its view has painted and the window flushed; a solid (the cylinder, the cone
// and the sphere, the three with curved sides) until the OpenGL view has swapped its first
// frame. Both views are 800 × 600. The calculation, the
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
#include <optional>
#include <vector>

namespace {

// Started at each click on Calculate.
QElapsedTimer clickTimer;

double sinceClick()
{
    return double(clickTimer.nsecsElapsed()) / 1e6;
}

struct ClickTimes {
    double handled; // the click's own handling: the calculation, the tape's entry, the layout
    double drawn;
};

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

void report(const char* what, const std::vector<ClickTimes>& runs)
{
    const auto line = [&runs](const char* label, double ClickTimes::*member) {
        std::vector<double> times;
        for (const ClickTimes& run : runs)
            times.push_back(run.*member);
        std::sort(times.begin(), times.end());
        std::printf("  %-22s median %6.2f ms   best %6.2f ms   worst %6.2f ms   (%zu runs)\n",
                    label, times[times.size() / 2], times.front(), times.back(), times.size());
    };
    std::printf("%s, 100,000-entry tape\n", what);
    line("click to drawn", &ClickTimes::drawn);
    line("of which the click", &ClickTimes::handled);
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
// loop until `drawn` gives the time, since the click, at which the figure was drawn.
template <typename Drawn>
ClickTimes clickToDrawn(ShapeCalculator* calculator,
                        const QList<QPair<const char*, QString>>& entries, Drawn drawn)
{
    calculator->clear();
    for (const auto& [outlet, value] : entries)
        calculator->fieldByOutlet(QString::fromLatin1(outlet))->setText(value);
    settle();
    TapeSaver::instance().waitForPending();
    drawn(); // forgets what was drawn before the click
    clickTimer.start();
    calculator->calculateButton()->click();
    const double handled = sinceClick();
    std::optional<double> drawnAt;
    while (!(drawnAt = drawn()))
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return {handled, *drawnAt};
}

} // namespace

int main(int argc, char* argv[])
{
    const FreshHome home;
    QApplication application(argc, argv);
    const int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 30;

    AppInterface app;
    app.applicationDidFinishLaunching();
    for (const char* shape : {"Circle", "Cylinder", "Cone", "Sphere"})
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
    std::vector<ClickTimes> planeTimes;
    for (int run = 0; run <= runs; ++run) {
        const ClickTimes ms =
            clickToDrawn(circle, {{"radiusTextField", QString::number(1 + run % 9)}}, [&] {
                // painted, and the window flushed by now
                return std::exchange(planePaint.seen, false) ? std::optional(sinceClick())
                                                             : std::nullopt;
            });
        if (run > 0) // the first also lays out the window
            planeTimes.push_back(ms);
    }
    std::printf("circle tape: %d entries held in the view, %d older left in the file\n",
                window.tapeTextView()->document()->blockCount(),
                window.tapeTextView()->olderEntriesLeft());

    report("circle (painted)", planeTimes);

    struct Solid {
        const char* name;
        const char* heightOutlet; // none for the sphere
        const char* label;
    };
    const Solid solids[] = {
        {"Cylinder", "heightTextField", "cylinder (first frame swapped)"},
        {"Cone", "HeigthHTextField", "cone (first frame swapped)"},
        {"Sphere", nullptr, "sphere (first frame swapped)"},
    };
    auto* view = window.findChild<Render3DView*>();
    std::optional<double> swappedAt;
    for (const Solid& shape : solids) {
        const QString name = QString::fromLatin1(shape.name);
        window.selectShape(name);
        ShapeCalculator* calculator = window.calculator(name);
        view->sceneArea()->setFixedSize(800, 600);
        while (!view->canvas() || !view->canvas()->isValid())
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const QMetaObject::Connection watch = QObject::connect(
            view->canvas(), &QOpenGLWindow::frameSwapped, [&] { swappedAt = sinceClick(); });
        std::vector<ClickTimes> times;
        for (int run = 0; run <= runs; ++run) {
            QList<QPair<const char*, QString>> entries{
                {"radiusTextField", QString::number(1 + run % 9)}};
            if (shape.heightOutlet)
                entries.append({shape.heightOutlet, QStringLiteral("3")});
            const ClickTimes ms = clickToDrawn(
                calculator, entries, [&] { return std::exchange(swappedAt, std::nullopt); });
            if (run > 0)
                times.push_back(ms);
        }
        QObject::disconnect(watch);
        report(shape.label, times);
    }
    TapeSaver::instance().waitForPending();
    return 0;
}
