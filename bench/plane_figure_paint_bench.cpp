// What one full draw pass of the plane-figure view costs: layout, scale label, grid,
// outline and fill, painted into an image the size of the view.

#include "render/PlaneFigureLayout.h"
#include "render/PlaneFigurePainter.h"
#include "render/ScaleLabel.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

namespace R = PlaneFigureReadings;

void paintFigure(benchmark::State& state, const R::Any& readings)
{
    const int width = int(state.range(0)), height = int(state.range(1));
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    const QRectF bounds(0, 0, width, height);
    for (auto _ : state) {
        const PlaneLayout layout = PlaneFigureLayout::layOut(bounds, readings);
        const ScaleLabel label = ScaleLabel::calculateScalingString(layout.scalingRatio);
        QPainter painter(&image);
        PlaneFigurePainter::paint(painter, height, layout, label.gridSpacing);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    benchmark->Args({400, 300})->Args({1600, 1200})->Unit(benchmark::kMicrosecond);
}

BENCHMARK_CAPTURE(paintFigure, ellipse, R::Any(R::Ellipse{1, 3}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, circle, R::Any(R::Circle{5}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, rectangle, R::Any(R::Rectangle{4, 1}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, square, R::Any(R::Square{7}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, triangle, R::Any(R::Triangle{3, 4, 5, 36.87f, 53.13f, 90, 4}))
    ->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, trapezium,
                  R::Any(R::Trapezium{6, 2.13f, 4.12f, 2.31f, 60, 70, 110, 120, 2}))
    ->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, parallelogram, R::Any(R::Parallelogram{5, 3, 60, 120, 2.6f}))
    ->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, hexagon, R::Any(R::RegularPolygon{6, 1}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, polygon60, R::Any(R::RegularPolygon{60, 1}))->Apply(sizes);
BENCHMARK_CAPTURE(paintFigure, polygon61AsCircle, R::Any(R::RegularPolygon{61, 1}))->Apply(sizes);

} // namespace
