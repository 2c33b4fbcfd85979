#include "render/ParallelogramLayout.h"
#include "render/PlaneFigureLayout.h"
#include "render/TrapeziumLayout.h"
#include "render/TriangleLayout.h"

#include <QLineF>
#include <QPolygonF>
#include <QTest>

#include <cmath>
#include <numbers>

namespace R = PlaneFigureReadings;

Q_DECLARE_METATYPE(R::Any)

namespace {

const QRectF wideView(0, 0, 440, 240); // drawing area 400 x 200
const QRectF tallView(0, 0, 240, 440);

const auto sinDeg = [](double d) { return std::sin(d * std::numbers::pi / 180); };
const auto tanDeg = [](double d) { return std::tan(d * std::numbers::pi / 180); };

// A triangle as its calculator leaves it: side a and the angles at B and C decide it.
R::Triangle triangle(double a, double B, double C)
{
    const double A = 180 - B - C;
    const double b = a * sinDeg(B) / sinDeg(A), c = a * sinDeg(C) / sinDeg(A);
    return {float(a), float(b), float(c), float(A), float(B), float(C), float(c * sinDeg(B))};
}

// A trapezium from its base, height and base angles (A bottom-left, B bottom-right).
R::Trapezium trapezium(double a, double h, double A, double B)
{
    const double c = a - h / tanDeg(A) - h / tanDeg(B);
    return {
        float(a),       float(h / sinDeg(B)), float(c), float(h / sinDeg(A)), float(A), float(B),
        float(180 - B), float(180 - A),       float(h)};
}

R::Parallelogram parallelogram(double a, double b, double A)
{
    return {float(a), float(b), float(A), float(180 - A), float(b * sinDeg(A))};
}

QRectF boundsOf(const std::vector<QPointF>& points)
{
    return QPolygonF(QList<QPointF>(points.begin(), points.end())).boundingRect();
}

bool near(double actual, double expected, double tolerance = 1e-3)
{
    return std::abs(actual - expected) <= tolerance * std::max(1.0, std::abs(expected));
}

} // namespace

// Pure layout: every figure is fitted into its view to scale, in the orientation and the
// case its values call for.
class PlaneFigureLayoutTest : public QObject {
    Q_OBJECT
private slots:
    void boxFiguresFitTheNarrowerDirectionAndMisfitsLayOutNothing_data()
    {
        QTest::addColumn<QRectF>("view");
        QTest::addColumn<R::Any>("figure");
        QTest::addColumn<int>("outline");
        QTest::addColumn<double>("scale"); // not a number: not checked
        QTest::addColumn<QRectF>("box");
        QTest::addColumn<QPointF>("gridOrigin");

        const auto row = [](const char* name, const QRectF& view, const R::Any& figure,
                            PlaneLayout::Outline outline, const QRectF& box,
                            const QPointF& gridOrigin, double scale = qQNaN()) {
            QTest::newRow(name) << view << figure << int(outline) << scale << box << gridOrigin;
        };
        const auto oval = PlaneLayout::Outline::Oval, rectangle = PlaneLayout::Outline::Rectangle;
        row("rectangle four by one fills the width", wideView, R::Rectangle{4, 1}, rectangle,
            {20, 70, 400, 100}, {20, 70}, 100);
        row("circle fills the height, centred on the view", wideView, R::Circle{5}, oval,
            {120, 20, 200, 200}, {220, 120}, 20);
        row("square in a wide view: full height, centred", wideView, R::Square{2}, rectangle,
            {120, 20, 200, 200}, {120, 20});
        row("square in a tall view: full width, centred", tallView, R::Square{2}, rectangle,
            {20, 120, 200, 200}, {20, 120});
        row("circle in a tall view: full width, centred", tallView, R::Circle{1}, oval,
            {20, 120, 200, 200}, {120, 220});
        row("rectangle no wider than the area: full height", wideView, R::Rectangle{2, 1},
            rectangle, {20, 20, 400, 200}, {20, 20});
        row("tall rectangle: full height, centred", wideView, R::Rectangle{1, 2}, rectangle,
            {170, 20, 100, 200}, {170, 20});
        row("ellipse: radius b across, radius a up", wideView, R::Ellipse{1, 4}, oval,
            {20, 70, 400, 100}, {220, 120});
        row("tall ellipse", wideView, R::Ellipse{2, 1}, oval, {170, 20, 100, 200}, {220, 120});
        row("regular polygon above 60 sides is a circle", wideView, R::RegularPolygon{61, 5}, oval,
            {120, 20, 200, 200}, {220, 120});
        const auto nothing = PlaneLayout::Outline::Nothing;
        // Sides 2, 1.00 and 1.00 as displayed fail the strict inequality; A is far from acute.
        row("flat triangle", wideView, R::Triangle{2, 1, 1, 179.4f, 0.3f, 0.3f, 0.005f}, nothing,
            {}, {}, 0);
        row("parallelogram with two obtuse angles", wideView, R::Parallelogram{5, 3, 100, 100, 2},
            nothing, {}, {}, 0);
        row("parallelogram with two acute angles", wideView, R::Parallelogram{5, 3, 80, 80, 2},
            nothing, {}, {}, 0);
        row("trapezium whose top angles contradict its base angles", wideView,
            R::Trapezium{4, 2, 3, 2, 80, 80, 60, 60, 2}, nothing, {}, {}, 0);
    }
    void boxFiguresFitTheNarrowerDirectionAndMisfitsLayOutNothing()
    {
        QFETCH(QRectF, view);
        QFETCH(R::Any, figure);
        QFETCH(double, scale);
        const PlaneLayout layout = PlaneFigureLayout::layOut(view, figure);
        QTEST(int(layout.outline), "outline");
        if (!std::isnan(scale))
            QCOMPARE(layout.scalingRatio, scale);
        QTEST(layout.box, "box");
        QTEST(layout.gridOrigin, "gridOrigin");
        QVERIFY(layout.points.empty());
    }

    void polygonsAreDrawnToScaleInsideTheDrawingArea_data()
    {
        QTest::addColumn<QRectF>("view");
        QTest::addColumn<R::Any>("figure");
        QTest::addColumn<QList<double>>("sides");
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("figureCase");

        using TC = TriangleLayout::Case;
        using ZC = TrapeziumLayout::Case;
        using PC = ParallelogramLayout::Case;
        // Each figure in every view, its sides as the outline must show them, in drawing order
        // from point1.
        const auto add = [](const char* name, const R::Any& figure, const QList<double>& sides,
                            double height, int figureCase) {
            for (const QRectF& view : {wideView, tallView, QRectF(0, 0, 1600, 300)})
                QTest::addRow("%s in %gx%g", name, view.width(), view.height())
                    << view << figure << sides << height << figureCase;
        };
        const auto tri = [&](const char* name, const R::Triangle& f, TC expected) {
            add(name, f, {f.sideC, f.sideB, f.sideA}, f.height, int(expected)); // B-A, A-C, C-B
        };
        const auto trap = [&](const char* name, const R::Trapezium& f, ZC expected) {
            add(name, f, {f.sideD, f.sideC, f.sideB, f.sideA}, f.height, int(expected));
        };
        const auto par = [&](const char* name, const R::Parallelogram& f, PC expected) {
            add(name, f, {f.sideB, f.sideA, f.sideB, f.sideA}, f.height, int(expected));
        };
        tri("triangle obtuse at A", triangle(5, 30, 25), TC::ApexOverBase);
        tri("triangle right-angled at A", triangle(5, 40, 50), TC::ApexOverBase);
        tri("triangle obtuse at C", triangle(3, 25, 120), TC::ApexBeyondC);
        tri("triangle obtuse at B", triangle(3, 120, 25), TC::ApexBeyondB);
        tri("triangle all acute", triangle(4, 70, 50), TC::ApexOverBase);
        // Sides 3, 4, 5 and angles as shown in the fields: the apex stands above C.
        tri("triangle right-angled at C", R::Triangle{3, 4, 5, 36.87f, 53.13f, 90, 4},
            TC::ApexBeyondC);
        tri("equilateral triangle", R::Triangle{2, 2, 2, 60, 60, 60, float(std::sqrt(3.0))},
            TC::ApexOverBase);
        trap("trapezium base widest", trapezium(6, 2, 60, 70), ZC::BaseWidest);
        trap("trapezium top widest", trapezium(4, 2, 110, 120), ZC::TopWidest);
        trap("trapezium leaning right, top longer", trapezium(6, 2, 70, 120),
             ZC::LeaningRightOverTop);
        trap("trapezium leaning left, top longer", trapezium(6, 2, 120, 70),
             ZC::LeaningLeftOverTop);
        trap("trapezium leaning right, base longer", trapezium(6, 2, 60, 100),
             ZC::LeaningRightOverBase);
        trap("trapezium leaning left, base longer", trapezium(6, 2, 100, 60),
             ZC::LeaningLeftOverBase);
        trap("trapezium rectangle-like", trapezium(5, 2, 90, 90), ZC::BaseWidest);
        par("parallelogram leaning right", parallelogram(5, 3, 60), PC::LeaningRight);
        par("parallelogram leaning left", parallelogram(5, 3, 120), PC::LeaningLeft);
        par("parallelogram rectangle-like", parallelogram(5, 3, 90), PC::LeaningRight);
    }
    void polygonsAreDrawnToScaleInsideTheDrawingArea()
    {
        QFETCH(QRectF, view);
        QFETCH(R::Any, figure);
        QFETCH(QList<double>, sides);
        QFETCH(double, height);
        QFETCH(int, figureCase);

        if (const auto* t = std::get_if<R::Triangle>(&figure))
            QCOMPARE(int(TriangleLayout::classify(*t)), figureCase);
        if (const auto* t = std::get_if<R::Trapezium>(&figure))
            QCOMPARE(int(TrapeziumLayout::classify(*t)), figureCase);
        if (const auto* p = std::get_if<R::Parallelogram>(&figure))
            QCOMPARE(int(ParallelogramLayout::classify(*p)), figureCase);

        const PlaneLayout layout = PlaneFigureLayout::layOut(view, figure);
        QCOMPARE(layout.outline, PlaneLayout::Outline::Polygon);
        const double s = layout.scalingRatio;
        const auto& p = layout.points;
        QCOMPARE(p.size(), qsizetype(sides.size()));
        QCOMPARE(layout.gridOrigin, p.front());
        for (int i = 0; i < sides.size(); ++i) {
            const double length = QLineF(p[i], p[(i + 1) % p.size()]).length();
            QVERIFY2(near(length, sides[i] * s),
                     qPrintable(QStringLiteral("side %1: %2, expected %3")
                                    .arg(i)
                                    .arg(length)
                                    .arg(sides[i] * s)));
        }
        // Standing on its base: point1 is the bottom-left corner, the apex or top is h above.
        const QRectF bounds = boundsOf(p);
        const double left = bounds.left(), right = bounds.right();
        const double bottom = bounds.top(), top = bounds.bottom(); // y up
        QVERIFY(near(p[0].y(), bottom));
        QVERIFY(near(top - bottom, height * s));
        // Inside the drawing area, touching it on both sides of the fitted direction, and
        // centred in the other.
        const double W = view.width() - 40, H = view.height() - 40;
        QVERIFY(left >= 20 - 1e-3 && right <= 20 + W + 1e-3);
        QVERIFY(bottom >= 20 - 1e-3 && top <= 20 + H + 1e-3);
        const bool fitsWidth = near(right - left, W);
        QVERIFY(fitsWidth || near(top - bottom, H));
        if (fitsWidth)
            QVERIFY(near((top + bottom) / 2, 20 + H / 2));
        else
            QVERIFY(near((left + right) / 2, 20 + W / 2));
    }

    void regularPolygonsStandOnAHorizontalEdge_data()
    {
        QTest::addColumn<int>("sides");
        QTest::addColumn<QRectF>("view");
        for (int n : {3, 4, 5, 6, 7, 8, 12, 14, 59, 60}) {
            QTest::addRow("%d sides, wide view", n) << n << wideView;
            QTest::addRow("%d sides, tall view", n) << n << tallView;
        }
    }
    void regularPolygonsStandOnAHorizontalEdge()
    {
        QFETCH(int, sides);
        QFETCH(QRectF, view);
        const PlaneLayout layout =
            PlaneFigureLayout::layOut(view, R::RegularPolygon{float(sides), 2});
        QCOMPARE(layout.outline, PlaneLayout::Outline::Polygon);
        QVERIFY(!layout.shiftPoints);
        const QPointF centre = view.center();
        QCOMPARE(layout.gridOrigin, centre);
        // The circumcircle fills the smaller side of the drawing area.
        const double rho = std::min(view.width(), view.height()) / 2 - 20;
        QCOMPARE(layout.scalingRatio, rho / 2);
        const auto& p = layout.points;
        QCOMPARE(p.size(), size_t(sides));
        for (const QPointF& v : p)
            QVERIFY(near(QLineF(centre, v).length(), rho, 1e-5));
        const QRectF bounds = boundsOf(p);
        const double bottom = bounds.top(), top = bounds.bottom(); // y up
        const auto horizontalEdgeAt = [&](double y) {
            for (size_t i = 0; i < p.size(); ++i) {
                const QPointF& a = p[i];
                const QPointF& b = p[(i + 1) % p.size()];
                if (a.y() == b.y() && near(a.y(), y, 1e-6))
                    return true;
            }
            return false;
        };
        QVERIFY(horizontalEdgeAt(bottom));
        if (sides % 2 == 0)
            QVERIFY(horizontalEdgeAt(top));
        else
            QCOMPARE(p.front(), QPointF(centre.x(), centre.y() + rho)); // apex up
        if (sides % 4 == 0) {
            // Also edges parallel to the y axis (up to single-precision rounding).
            bool vertical = false;
            for (size_t i = 0; i < p.size(); ++i)
                vertical = vertical || std::abs(p[i].x() - p[(i + 1) % p.size()].x()) < 1e-4;
            QVERIFY(vertical);
        }
    }
};

QTEST_GUILESS_MAIN(PlaneFigureLayoutTest)
#include "tst_PlaneFigureLayout.moc"
