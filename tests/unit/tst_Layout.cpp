#include "render/ParallelogramLayout.h"
#include "render/PlaneFigureLayout.h"
#include "render/PlaneGrid.h"
#include "render/ScaleLabel.h"
#include "render/SolidFaces.h"
#include "render/SolidGrid.h"
#include "render/SolidLayout.h"
#include "render/SolidMotion.h"
#include "render/SolidScale.h"
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

namespace {

const auto box = [](float a, float b, float height) { return SolidDimensions{a, b, 0, height}; };
const auto circular = [](float r, float height) { return SolidDimensions{0, 0, 0, height, 0, r}; };
// The prisms' cross-section: sides a, b, c, the prism's length and the trapezoid's angle B.
const auto section = [](float a, float b, float c, float length, float angleB = 0) {
    return SolidDimensions{a, b, c, length, angleB};
};

// A row's value inside an expression (QFETCH only declares a variable).
template <typename T> T fetched(const char* name)
{
    return *static_cast<T*>(QTest::qData(name, qMetaTypeId<T>()));
}

constexpr double degrees = 180.0 / 3.14159265358979323846;

int segmentsAt(const std::vector<GridVertex>& v, auto predicate)
{
    int count = 0;
    for (size_t i = 0; i + 1 < v.size(); i += 2) {
        if (predicate(v[i], v[i + 1]))
            ++count;
    }
    return count;
}

} // namespace

// Pure layout: every figure is fitted into its view to scale, in the orientation and the
// case its values call for; the scale label and the grid it describes; and the solid
// view's arithmetic without OpenGL: fitting solids into the scene, the scale label, the
// grid's lines, the face tables and the mouse.
class LayoutTest : public QObject {
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
    void labelNamesAPowerOfTenPerGridSquare_data()
    {
        QTest::addColumn<double>("scalingRatio");
        QTest::addColumn<double>("gridSpacing");
        QTest::addColumn<QString>("text");

        QTest::newRow("nothing laid out") << 0.0 << 0.0 << QString();
        QTest::newRow("1 unit per view unit") << 1.0 << 10.0 << "Scale 1:10";
        QTest::newRow("50: one unit per square") << 50.0 << 50.0 << "Scale 1:1";
        QTest::newRow("just above 50: a tenth per square") << 50.0001 << 5.00001 << "Scale 10:1";
        QTest::newRow("100") << 100.0 << 10.0 << "Scale 10:1";
        QTest::newRow("5000") << 5000.0 << 50.0 << "Scale 100:1";
        QTest::newRow("0.002") << 0.002 << 20.0 << "Scale 1:10000";
        QTest::newRow("5 (just below 50 per 10 units)") << 5.0 << 50.0 << "Scale 1:10";
    }
    void labelNamesAPowerOfTenPerGridSquare()
    {
        QFETCH(double, scalingRatio);
        QFETCH(double, gridSpacing);
        const ScaleLabel label = ScaleLabel::calculateScalingString(scalingRatio);
        QTEST(label.text, "text");
        QVERIFY2(std::abs(label.gridSpacing - gridSpacing) < 1e-9,
                 qPrintable(QString::number(label.gridSpacing, 'g', 17)));
        if (scalingRatio != 0)
            QVERIFY(label.gridSpacing > 5 && label.gridSpacing <= 50);
    }

    void gridCoversTheViewWithEveryTenthLineOpaque()
    {
        const QRectF bounds(0, 0, 440, 240);
        const auto lines = PlaneGrid::draw2DGrid(bounds, 10, QPointF(20, 70));

        QList<double> opaqueRows, opaqueColumns, rows, columns;
        for (const PlaneGrid::Line& l : lines) {
            const bool horizontal = l.line.y1() == l.line.y2();
            if (horizontal) {
                QCOMPARE(l.line.x1(), 0.0);
                QCOMPARE(l.line.x2(), 440.0);
                rows << l.line.y1();
                if (l.opaque)
                    opaqueRows << l.line.y1();
            } else {
                QCOMPARE(l.line.y1(), 0.0);
                QCOMPARE(l.line.y2(), 240.0);
                columns << l.line.x1();
                if (l.opaque)
                    opaqueColumns << l.line.x1();
            }
        }
        // Upwards from the origin, then downwards; on pixel centres; inside the bounds.
        QCOMPARE(rows.size(), 17 + 7);
        QCOMPARE(rows.front(), 70.5);
        QCOMPARE(rows[16], 230.5);
        QCOMPARE(rows.back(), 0.5);
        QCOMPARE(columns.size(), 42 + 2);
        QCOMPARE(columns.back(), 0.5);
        QCOMPARE(opaqueRows, QList<double>({70.5, 170.5}));
        QCOMPARE(opaqueColumns, QList<double>({20.5, 120.5, 220.5, 320.5, 420.5}));

        // Downwards, the tenth line from the origin is opaque too.
        const auto low = PlaneGrid::draw2DGrid(bounds, 10, QPointF(20, 200));
        QList<double> opaqueLow;
        for (const PlaneGrid::Line& l : low) {
            if (l.opaque && l.line.y1() == l.line.y2())
                opaqueLow << l.line.y1();
        }
        QCOMPARE(opaqueLow, QList<double>({200.5, 100.5, 0.5}));
    }

    void noGridWithoutAUsableSpacing()
    {
        for (double spacing : {0.0, -10.0, qQNaN()})
            QVERIFY(
                PlaneGrid::draw2DGrid(QRectF(0, 0, 440, 240), spacing, QPointF(20, 20)).empty());
    }
    void fitsSolidsIntoTheScene_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<SolidDimensions>("dimensions");
        QTest::addColumn<float>("aspect");
        QTest::addColumn<double>("largest");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<double>("z");
        QTest::addColumn<double>("fov");
        QTest::addColumn<double>("floor");

        const double cubeFov = 2 * std::atan2(std::sqrt(3.0), 3.45) * degrees; // ≈ 53.3
        QTest::newRow("cube of side 2: height wins, fov from 3.45")
            << int(SolidKind::RectangularPrism) << box(2, 2, 2) << 4.0f / 3 << 2.0 << 1.0 << 1.0
            << 1.0 << cubeFov << -1.0;
        QTest::newRow("cube fov does not depend on the aspect")
            << int(SolidKind::RectangularPrism) << box(2, 2, 2) << 3.0f << 2.0 << 1.0 << 1.0 << 1.0
            << cubeFov << -1.0;
        const double longReach = std::sqrt(1.0 + 4.0 + 100.0) / 10;
        QTest::newRow("long cylinder: depth wins, fov from 3.7 over the aspect")
            << int(SolidKind::Cylinder) << circular(1, 10) << 4.0f / 3 << 10.0 << 0.2 << 0.2 << 1.0
            << 2 * std::atan2(longReach, 3.7) * degrees / (4.0 / 3) << -0.2;
        // In a very wide view the angle from 3.7 is too narrow for the height: widened.
        QTest::newRow("long cylinder in a wide strip: widened to its height")
            << int(SolidKind::Cylinder) << circular(1, 10) << 8.0f << 10.0 << 0.2 << 0.2 << 1.0
            << 2 * std::atan2(0.2, 3.8 - longReach) * degrees << -0.2;
        QTest::newRow("sphere of radius 3: fixed fov")
            << int(SolidKind::Sphere) << circular(3, 0) << 0.5f << 6.0 << 1.0 << 1.0 << 1.0 << 35.0
            << -1.0;
        QTest::newRow("flat cone: width wins, floor at -0.8 of its half-height")
            << int(SolidKind::Cone) << circular(5, 1) << 1.0f << 10.0 << 1.0 << 0.1 << 1.0
            << 2 * std::atan2(std::sqrt(25.0 + 1.0 + 100.0) / 10, 3.8) * degrees << -0.08;
        QTest::newRow("tall pyramid: reach through 0.7 of its base corners")
            << int(SolidKind::Pyramid) << box(2, 2, 4) << 1.0f << 4.0 << 0.5 << 1.0 << 0.5
            << 2 * std::atan2(std::sqrt(0.49 * 4 + 16 + 0.49 * 4) / 4, 3.45) * degrees << -0.9;
    }
    void fitsSolidsIntoTheScene()
    {
        const SolidLayout l = SolidLayout::compute(SolidKind(fetched<int>("kind")),
                                                   fetched<SolidDimensions>("dimensions"),
                                                   fetched<float>("aspect"), {});
        QCOMPARE(l.gridScalingFactor, fetched<double>("largest"));
        QCOMPARE(l.xValue, float(fetched<double>("x")));
        QCOMPARE(l.yValue, float(fetched<double>("y")));
        QCOMPARE(l.zValue, float(fetched<double>("z")));
        QVERIFY2(std::fabs(double(l.fov) - fetched<double>("fov")) < 1e-4,
                 qPrintable(QString::number(l.fov)));
        QVERIFY(std::fabs(l.gridOffset - fetched<double>("floor")) < 1e-6);
    }

    void placesTheTriangleApexByItsShape_data()
    {
        QTest::addColumn<SolidDimensions>("dimensions");
        QTest::addColumn<double>("apex"); // from the left end of side a
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("centre");
        const auto row = [](const char* name, const SolidDimensions& dimensions, double apex,
                            double height, double width, double centre) {
            QTest::newRow(name) << dimensions << apex << height << width << centre;
        };
        row("equilateral", section(2, 2, 2, 1), 1, 1.7320508, 2, 1);
        row("acute, apex near the left end", section(3, 5, 4.5f, 1), 0.7083333, 4.4439019, 3, 1.5);
        row("right angle at B: apex over the left end", section(3, 5, 4, 1), 0, 4, 3, 1.5);
        row("obtuse at C: apex beyond the right end", section(3, 2.5f, 5, 1), 4.625, 1.8998355,
            4.625, 2.3125);
        row("obtuse at B: apex beyond the left end", section(3, 5, 2.5f, 1), -1.625, 1.8998355,
            4.625, 0.6875);
        row("acute: apex over side a", section(4, 3.5f, 3, 1), 1.59375, 2.5416453, 4, 2);
    }
    void placesTheTriangleApexByItsShape()
    {
        QFETCH(SolidDimensions, dimensions);
        QFETCH(double, apex);
        QFETCH(double, centre);
        const SolidLayout l =
            SolidLayout::compute(SolidKind::TriangularPrism, dimensions, 1.0f, {});
        QVERIFY(std::fabs(l.sectionWidth - fetched<double>("width")) < 1e-4);
        QVERIFY(std::fabs(l.sectionApexX - apex) < 1e-4);
        QVERIFY(std::fabs(l.sectionCentre - centre) < 1e-4);
        // The scene's points: side a on the floor, the apex at the triangle's height.
        const double scale = 2 / l.gridScalingFactor;
        QVERIFY(std::fabs(l.point2.x - dimensions.sideA * scale) < 1e-4);
        QVERIFY(std::fabs(l.point3.x - apex * scale) < 1e-4);
        QVERIFY(std::fabs(l.point3.y - fetched<double>("height") * scale) < 1e-4);
        QVERIFY(std::fabs(l.xValueMidPoint - centre * scale) < 1e-4);
        QCOMPARE(l.depth, float(dimensions.height * scale));
    }

    void aTriangleThatFitsNoShapeKeepsThePreviousWidth()
    {
        const SolidLayout first =
            SolidLayout::compute(SolidKind::TriangularPrism, section(4, 3.5f, 3, 1), 1.0f, {});
        // Sides that make no triangle: no case holds.
        const SolidLayout next =
            SolidLayout::compute(SolidKind::TriangularPrism, section(10, 1, 1, 1), 1.0f, first);
        QCOMPARE(next.sectionWidth, 4.0f);
        QCOMPARE(next.sectionCentre, 2.0f);
    }

    void widensTheTrapezoidToItsOverhangingCorners_data()
    {
        QTest::addColumn<SolidDimensions>("dimensions");
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("centre");
        QTest::addColumn<double>("topRight"); // a − b·cos B
        QTest::addColumn<double>("topLeft");  // that less c

        QTest::newRow("both top corners overhang")
            << section(2, 1, 4, 1, 120) << 4.0 << 0.5 << 2.5 << -1.5;
        QTest::newRow("top-right overhangs")
            << section(4, 2, 2, 1, 120) << 5.0 << 2.5 << 5.0 << 3.0;
        QTest::newRow("both inset") << section(4, 2, 2, 1, 60) << 4.0 << 2.0 << 3.0 << 1.0;
        QTest::newRow("top-left overhangs") << section(4, 2, 4, 1, 60) << 5.0 << 1.5 << 3.0 << -1.0;
    }
    void widensTheTrapezoidToItsOverhangingCorners()
    {
        QFETCH(SolidDimensions, dimensions);
        const SolidLayout l =
            SolidLayout::compute(SolidKind::TrapezoidalPrism, dimensions, 1.0f, {});
        QVERIFY2(std::fabs(l.sectionWidth - fetched<double>("width")) < 1e-4,
                 qPrintable(QString::number(l.sectionWidth)));
        QVERIFY(std::fabs(l.sectionCentre - fetched<double>("centre")) < 1e-4);
        const double scale = 2 / l.gridScalingFactor;
        QVERIFY(std::fabs(l.point3.x - fetched<double>("topRight") * scale) < 1e-4);
        QVERIFY(std::fabs(l.point4.x - fetched<double>("topLeft") * scale) < 1e-4);
    }

    void labelsTheScale_data()
    {
        QTest::addColumn<double>("largest");
        QTest::addColumn<float>("viewHeight");
        QTest::addColumn<double>("squares");
        QTest::addColumn<double>("factor");
        QTest::addColumn<QString>("label");

        QTest::newRow("7 in 400 high") << 7.0 << 400.0f << 70.0 << 10.0 << "Scale 10:1";
        QTest::newRow("7 in 300 high: too dense") << 7.0 << 300.0f << 7.0 << 1.0 << "Scale 1:1";
        QTest::newRow("250") << 250.0 << 300.0f << 25.0 << 10.0 << "Scale 1:10";
        QTest::newRow("250 in a strip 100 high")
            << 250.0 << 100.0f << 2.5 << 100.0 << "Scale 1:100";
        QTest::newRow("a tenth") << 0.5 << 400.0f << 50.0 << 100.0 << "Scale 100:1";
    }
    void labelsTheScale()
    {
        const SolidScale s = SolidScale::calculateScalingString(fetched<double>("largest"),
                                                                fetched<float>("viewHeight"));
        QVERIFY(std::fabs(s.gridScalingFactor - fetched<double>("squares")) < 1e-9);
        QVERIFY(std::fabs(s.scaleStringFactor - fetched<double>("factor")) < 1e-9);
        QCOMPARE(s.label, fetched<QString>("label"));
    }

    void rulesTwentyFiveSquaresWithStrongTenths()
    {
        const double o = -1;
        const SolidGrid::Lines lines = SolidGrid::build(25, o, 0, {});
        const auto& xy = lines.xyPlane;
        // Inner verticals at ±i/12.5 for i = 1…12, strong (0.6) at i = 10 only.
        const int inner = segmentsAt(xy, [&](const GridVertex& a, const GridVertex& b) {
            return a.x == b.x && a.x != 0 && std::fabs(a.x) <= 1 && a.y == float(o) &&
                   b.y == float(o + 2);
        });
        QCOMPARE(inner, 24);
        for (int i = 1; i <= 12; ++i) {
            const float x = float(i / 12.5);
            const float alpha = i == 10 ? 0.6f : 0.3f;
            const int count = segmentsAt(xy, [&](const GridVertex& a, const GridVertex& b) {
                return a.x == -x && b.x == -x && a.y == float(o) && b.y == float(o + 2) &&
                       a.a == alpha && b.a == alpha;
            });
            QCOMPARE(count, 1);
        }
        // Horizontals across the plane at o + j/12.5, j = 1…24, strong at 10 and 20.
        int horizontals = 0;
        for (size_t i = 0; i + 1 < xy.size(); i += 2) {
            const GridVertex &a = xy[i], &b = xy[i + 1];
            if (a.x == 1 && b.x == -1 && a.y == b.y) {
                ++horizontals;
                const int j = int(std::lround((a.y - o) * 12.5));
                QVERIFY2(std::fabs(a.y - (o + j / 12.5)) < 1e-5, qPrintable(QString::number(a.y)));
                QCOMPARE(a.a, (j == 10 || j == 20) ? 0.6f : 0.3f);
            }
        }
        QCOMPARE(horizontals, 24);
        // Every upright segment stays within the plane and its run-outs.
        for (const GridVertex& v : xy) {
            QCOMPARE(v.z, 0.0f);
            QVERIFY(v.x >= -2 && v.x <= 2 && v.y >= float(o) && v.y <= float(o + 3));
        }
        QCOMPARE(int(lines.axes.size()), 6);
    }

    void uprightPlanesFadeAsTheyTurnEdgeOn_data()
    {
        QTest::addColumn<float>("angle");
        QTest::addColumn<bool>("fade");
        QTest::addColumn<float>("xyStrong");
        QTest::addColumn<float>("zyStrong");

        QTest::newRow("facing, fading") << 0.0f << true << 0.6f << 0.0f;
        QTest::newRow("side-on, fading") << 90.0f << true << 0.0f << 0.8f;
        QTest::newRow("side-on, not fading") << 90.0f << false << 0.6f << 0.8f;
    }
    void uprightPlanesFadeAsTheyTurnEdgeOn()
    {
        SolidGrid::Switches switches;
        switches.fade = fetched<bool>("fade");
        const SolidGrid::Lines lines = SolidGrid::build(25, -1, fetched<float>("angle"), switches);
        // The centre line of each plane is drawn strong.
        auto strongest = [](const std::vector<GridVertex>& v) {
            float m = 0;
            for (const GridVertex& g : v)
                m = std::max(m, g.a);
            return m;
        };
        QVERIFY(std::fabs(strongest(lines.xyPlane) - fetched<float>("xyStrong")) < 1e-6);
        QVERIFY(std::fabs(strongest(lines.zyPlane) - fetched<float>("zyStrong")) < 1e-6);
        // The floor never fades.
        QCOMPARE(strongest(lines.xzPlane), 0.6f);
    }

    void switchesLeaveOutTheirPlanes()
    {
        SolidGrid::Switches none{false, false, false, false, true};
        const SolidGrid::Lines off = SolidGrid::build(25, -1, 10, none);
        QVERIFY(off.xyPlane.empty() && off.xzPlane.empty() && off.zyPlane.empty() &&
                off.axes.empty());
        SolidGrid::Switches floorOnly{false, true, false, false, false};
        const SolidGrid::Lines floor = SolidGrid::build(25, -1, 10, floorOnly);
        QVERIFY(!floor.xzPlane.empty());
        for (const GridVertex& v : floor.xzPlane)
            QCOMPARE(v.y, -1.0f);
    }

    void unusableScaleRulesNoLines()
    {
        // A never-ending loop over an infinite count would hang the window.
        for (const double squares : {double(INFINITY), double(NAN), 0.0, -4.0}) {
            const SolidGrid::Lines lines = SolidGrid::build(squares, -1, 0, {});
            // Only the centre lines and their run-outs remain.
            QCOMPARE(int(lines.xyPlane.size()), 2 * 5);
        }
    }

    void pyramidFacesAreAllFilledAndFade()
    {
        const SolidLayout l = SolidLayout::compute(SolidKind::Pyramid, box(2, 2, 2), 1.0f, {});
        const SolidFaces pyramid = SolidFaces::of(SolidKind::Pyramid, l);
        QCOMPARE(int(pyramid.faces.size()), 5);
        int sides = 0;
        for (const SolidFaces::Face& face : pyramid.faces) {
            if (!face.triangle)
                continue;
            ++sides;
            QCOMPARE(int(face.vertices.size()), 3);
            // Each side fades from the base (0.7) to the apex (clear).
            QCOMPARE(face.vertices[2].y, l.yValue);
            QCOMPARE(face.vertices[2].alpha, 0.0f);
            QCOMPARE(face.vertices[0].alpha, 0.7f);
        }
        QCOMPARE(sides, 4);
        // The prisms with a cross-section stand on the floor at -y and reach +y.
        const SolidLayout t =
            SolidLayout::compute(SolidKind::TriangularPrism, section(4, 3.5f, 3, 1), 1.0f, {});
        for (const SolidFaces::Face& face : SolidFaces::of(SolidKind::TriangularPrism, t).faces) {
            for (const SolidFaces::Vertex& v : face.vertices)
                QVERIFY(v.y == -t.yValue || v.y == t.yValue);
        }
        QVERIFY(SolidFaces::of(SolidKind::Sphere, l).faces.empty());
    }

    void turnsAndSpinsByTheMouse_data()
    {
        QTest::addColumn<double>("moved");
        QTest::addColumn<float>("spin");
        QTest::newRow("still") << 0.0 << 0.0f;
        QTest::newRow("7 right") << 7.0 << 0.1f;
        QTest::newRow("35 right: fastest") << 35.0 << 0.5f;
        QTest::newRow("200 right: clamped") << 200.0 << 0.5f;
        QTest::newRow("35 left") << -35.0 << -0.5f;
        QTest::newRow("90 left: clamped") << -90.0 << -0.5f;
    }
    void turnsAndSpinsByTheMouse()
    {
        QFETCH(double, moved);
        QCOMPARE(SolidMotion::spinAfterRelease(412.0, 412.0 + moved), fetched<float>("spin"));
        // Thirty pixels of drag turn a solid by ten degrees, right turning it up.
        QCOMPARE(SolidMotion::dragged(-30, 100, 130), -20.0f);
        QCOMPARE(SolidMotion::dragged(-30, 100, 70), -40.0f);
    }

    void keepsTheAngleWithinAFullTurn_data()
    {
        QTest::addColumn<float>("angle");
        QTest::addColumn<float>("spin");
        QTest::addColumn<float>("turned");
        QTest::newRow("inside") << 100.0f << 0.5f << 100.5f;
        QTest::newRow("exactly 360 stays") << 359.5f << 0.5f << 360.0f;
        QTest::newRow("past 360") << 359.75f << 0.5f << 0.25f;
        QTest::newRow("past -360") << -359.75f << -0.5f << -0.25f;
        QTest::newRow("at rest") << -30.0f << 0.0f << -30.0f;
    }
    void keepsTheAngleWithinAFullTurn()
    {
        SolidMotion motion;
        motion.setAngle(SolidKind::Cone, fetched<float>("angle"));
        motion.setSpin(SolidKind::Cone, fetched<float>("spin"));
        QCOMPARE(motion.turn(SolidKind::Cone), fetched<float>("turned"));
        // Each solid keeps its own angle.
        QCOMPARE(motion.angle(SolidKind::Sphere), SolidMotion::initialAngle);
    }
};

QTEST_GUILESS_MAIN(LayoutTest)
#include "tst_Layout.moc"
