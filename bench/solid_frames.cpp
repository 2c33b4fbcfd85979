// polymetra-bench-solids: frame time of each solid on this machine's OpenGL, spinning
// (one pass) and at rest (four anti-aliasing passes for the smooth solids), with every
// grid plane shown. Needs an X server: run it under xvfb-run with QT_QPA_PLATFORM=xcb.

#include "render/Render3DCanvas.h"
#include "render/SolidFrame.h"
#include "render/SolidMotion.h"
#include "render/SolidRenderer.h"
#include "render/SolidScale.h"

#include <QGuiApplication>
#include <QImage>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct Solid {
    const char* name;
    SolidKind kind;
    SolidDimensions dimensions;
};

const Solid solids[] = {
    {"Rectangular Prism", SolidKind::RectangularPrism, {3, 2, 0, 2, 0, 0}},
    {"Triangular Prism", SolidKind::TriangularPrism, {4, 3, 2, 5, 0, 0}},
    {"Trapezoidal Prism", SolidKind::TrapezoidalPrism, {4, 2, 2, 3, 60, 0}},
    {"Pyramid", SolidKind::Pyramid, {3, 2, 0, 4, 0, 0}},
    {"Cylinder", SolidKind::Cylinder, {0, 0, 0, 3, 0, 1}},
    {"Cone", SolidKind::Cone, {0, 0, 0, 3, 0, 1}},
    {"Sphere", SolidKind::Sphere, {0, 0, 0, 0, 0, 1}},
};

SolidFrame frameFor(const Solid& solid, int width, int height)
{
    SolidFrame frame;
    frame.kind = solid.kind;
    frame.width = float(width);
    frame.height = float(height);
    frame.layout = SolidLayout::compute(solid.kind, solid.dimensions, frame.width / frame.height,
                                        SolidLayout{});
    frame.gridSquares =
        SolidScale::calculateScalingString(frame.layout.gridScalingFactor, frame.height)
            .gridScalingFactor;
    frame.switches.fade = true;
    return frame;
}

// The renderer turns the smoothing modes on once, when it first draws; switching them off
// after that first frame shows what they cost on this renderer.
void disableSmoothing()
{
    glDisable(GL_LINE_SMOOTH);
    glDisable(GL_POINT_SMOOTH);
    glDisable(GL_POLYGON_SMOOTH);
}

// Spinning: one frame. At rest: the first frame after a turn (what shows at once), the same
// after a calculation (the solid's display lists rebuilt first, as a new size needs), or
// the whole anti-aliased frame (the draws that finish it).
enum class Rest { Spinning, FirstFrame, Calculated, Finished };

void frameTime(benchmark::State& state, Solid solid, int width, int height, Rest rest,
               bool smoothing)
{
    QOpenGLFramebufferObject target(width, height, QOpenGLFramebufferObject::CombinedDepthStencil);
    target.bind();
    SolidRenderer renderer;
    SolidMotion motion;
    motion.setSpin(solid.kind, rest == Rest::Spinning ? 0.5f : 0.0f);
    const SolidFrame frame = frameFor(solid, width, height);
    renderer.drawRect(frame, motion, target.handle());
    if (!smoothing)
        disableSmoothing();
    int turn = 0;
    for (auto _ : state) {
        // At rest each frame is a new one (turned a little), as after a calculation.
        if (rest != Rest::Spinning)
            motion.setAngle(solid.kind, float(++turn % 360));
        if (rest == Rest::Calculated) {
            renderer.isGLInitialised = false;
            renderer.displayListsSet = false;
        }
        renderer.drawRect(frame, motion, target.handle());
        while (rest == Rest::Finished && renderer.refining())
            renderer.drawRect(frame, motion, target.handle());
        glFinish();
    }
    state.counters["passes"] = renderer.lastScenePasses();
    renderer.releaseResources();
}

// How many pixels of a resting frame the smoothing modes change at all.
void reportSmoothingEffect(const Solid& solid, int width, int height)
{
    QImage frames[2];
    for (const bool smoothing : {true, false}) {
        QOpenGLFramebufferObject target(width, height,
                                        QOpenGLFramebufferObject::CombinedDepthStencil);
        target.bind();
        SolidRenderer renderer;
        SolidMotion motion;
        const SolidFrame frame = frameFor(solid, width, height);
        renderer.drawRect(frame, motion, target.handle());
        if (!smoothing)
            disableSmoothing();
        // The same finished frame in both runs, so only the smoothing differs.
        motion.setAngle(solid.kind, 1);
        do
            renderer.drawRect(frame, motion, target.handle());
        while (renderer.refining());
        glFinish();
        frames[smoothing ? 0 : 1] = target.toImage();
        renderer.releaseResources();
        target.release();
    }
    // Colours as the view shows them: the frame's alpha is never composited.
    int changed = 0;
    int largest = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const QRgb a = frames[0].pixel(x, y);
            const QRgb b = frames[1].pixel(x, y);
            const int difference =
                std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                          std::abs(qBlue(a) - qBlue(b))});
            changed += difference > 0 ? 1 : 0;
            largest = std::max(largest, difference);
        }
    }
    std::printf("%s %dx%d at rest: smoothing changes the colour of %d of %d pixels "
                "(largest change %d of 255)\n",
                solid.name, width, height, changed, width * height, largest);
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    QOpenGLContext context;
    context.setFormat(Render3DCanvas::surfaceFormat());
    QOffscreenSurface surface;
    surface.setFormat(context.format());
    surface.create();
    if (!context.create() || !context.makeCurrent(&surface)) {
        std::fputs("No OpenGL context: run under xvfb-run with QT_QPA_PLATFORM=xcb.\n", stderr);
        return 1;
    }
    std::printf("Renderer: %s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    for (const Solid& solid : solids)
        reportSmoothingEffect(solid, 400, 300);
    for (const Solid& solid : solids) {
        for (const auto& [width, height] : {std::pair{400, 300}, std::pair{800, 600}}) {
            for (const auto& [rest, label] : {std::pair{Rest::Spinning, "/spinning"},
                                              std::pair{Rest::FirstFrame, "/first frame"},
                                              std::pair{Rest::Calculated, "/calculated"},
                                              std::pair{Rest::Finished, "/at rest"}}) {
                for (const bool smoothing : {true, false}) {
                    const std::string name = std::string(solid.name) + "/" + std::to_string(width) +
                                             "x" + std::to_string(height) + label +
                                             (smoothing ? "" : "/no smoothing");
                    benchmark::RegisterBenchmark(name.c_str(), frameTime, solid, width, height,
                                                 rest, smoothing)
                        ->Unit(benchmark::kMillisecond)
                        ->UseRealTime();
                }
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
