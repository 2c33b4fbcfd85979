// polymetra-bench-solids: frame time of each solid on this machine's OpenGL, spinning
// (one pass) and at rest (four anti-aliasing passes for the smooth solids), with every
// grid plane shown. Needs an X server: run it under xvfb-run with QT_QPA_PLATFORM=xcb.

#include "render/Render3DCanvas.h"
#include "render/SolidFrame.h"
#include "render/SolidMotion.h"
#include "render/SolidRenderer.h"
#include "render/SolidScale.h"

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>

#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cstdio>
#include <memory>

namespace {

struct Solid {
    SolidKind kind;
    SolidDimensions dimensions;
};

const Solid solids[] = {
    {SolidKind::RectangularPrism, {3, 2, 0, 2, 0, 0}},
    {SolidKind::TriangularPrism, {4, 3, 2, 5, 0, 0}},
    {SolidKind::TrapezoidalPrism, {4, 2, 2, 3, 60, 0}},
    {SolidKind::Pyramid, {3, 2, 0, 4, 0, 0}},
    {SolidKind::Cylinder, {0, 0, 0, 3, 0, 1}},
    {SolidKind::Cone, {0, 0, 0, 3, 0, 1}},
    {SolidKind::Sphere, {0, 0, 0, 0, 0, 1}},
};

void frameTime(benchmark::State& state, Solid solid, int width, int height, bool spinning)
{
    QOpenGLFramebufferObject target(width, height, QOpenGLFramebufferObject::CombinedDepthStencil);
    target.bind();
    SolidRenderer renderer;
    SolidMotion motion;
    motion.setSpin(solid.kind, spinning ? 0.5f : 0.0f);
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
    for (auto _ : state) {
        renderer.drawRect(frame, motion, target.handle());
        glFinish();
    }
    state.counters["passes"] = renderer.lastScenePasses();
    renderer.releaseResources();
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
    for (const Solid& solid : solids) {
        for (const auto& [width, height] : {std::pair{400, 300}, std::pair{800, 600}}) {
            for (const bool spinning : {true, false}) {
                const std::string name = std::string(solidKindName(solid.kind)) + "/" +
                                         std::to_string(width) + "x" + std::to_string(height) +
                                         (spinning ? "/spinning" : "/at rest");
                benchmark::RegisterBenchmark(name.c_str(), frameTime, solid, width, height,
                                             spinning)
                    ->Unit(benchmark::kMillisecond)
                    ->UseRealTime();
            }
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
