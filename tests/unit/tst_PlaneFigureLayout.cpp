#include "render/ParallelogramLayout.h"
#include "render/PlaneFigureLayout.h"
#include "render/TrapeziumLayout.h"
#include "render/TriangleLayout.h"

#include <QLineF>
#include <QTest>

#include <cmath>
#include <numbers>

namespace R = PlaneFigureReadings;

Q_DECLARE_METATYPE(R::Any)

namespace {

const QRectF wideView(0, 0, 440, 240); // drawing area 400 x 200
const QRectF tallView(0, 0, 240, 440);

double sinDeg(double d)
{
    return std::sin(d * std::numbers::pi / 180);
}
double tanDeg(double d)
{
    return std::tan(d * std::numbers::pi / 180);
}

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

// The lengths of the sides a polygon's outline must show, in drawing order from point1.
QList<double> triangleSides(const R::Triangle& t)
{
    return {t.sideC, t.sideB, t.sideA}; // B to A, A to C, C to B
}
QList<double> trapeziumSides(const R::Trapezium& t)
{
    return {t.sideD, t.sideC, t.sideB, t.sideA};
}
QList<double> parallelogramSides(const R::Parallelogram& p)
{
    return {p.sideB, p.sideA, p.sideB, p.sideA};
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
    void rectangleFourByOneFillsTheWidth();
    void circleFillsTheHeightCentredOnTheView();
    void boxFiguresFitTheNarrowerDirection_data();
    void boxFiguresFitTheNarrowerDirection();
    void polygonsAreDrawnToScaleInsideTheDrawingArea_data();
    void polygonsAreDrawnToScaleInsideTheDrawingArea();
    void rightTriangleStandsWithItsApexAboveC();
    void valuesThatFitNoCaseLayOutNothing_data();
    void valuesThatFitNoCaseLayOutNothing();
    void regularPolygonsStandOnAHorizontalEdge_data();
    void regularPolygonsStandOnAHorizontalEdge();
    void regularPolygonAbove60SidesIsACircle();
};

void PlaneFigureLayoutTest::rectangleFourByOneFillsTheWidth()
{
    const PlaneLayout layout = PlaneFigureLayout::layOut(wideView, R::Rectangle{4, 1});
    QCOMPARE(layout.outline, PlaneLayout::Outline::Rectangle);
    QCOMPARE(layout.scalingRatio, 100.0);
    QCOMPARE(layout.box, QRectF(20, 70, 400, 100));
    QCOMPARE(layout.gridOrigin, QPointF(20, 70));
}

void PlaneFigureLayoutTest::circleFillsTheHeightCentredOnTheView()
{
    const PlaneLayout layout = PlaneFigureLayout::layOut(wideView, R::Circle{5});
    QCOMPARE(layout.outline, PlaneLayout::Outline::Oval);
    QCOMPARE(layout.scalingRatio, 20.0);
    QCOMPARE(layout.box, QRectF(120, 20, 200, 200));
    QCOMPARE(layout.gridOrigin, QPointF(220, 120));
}

void PlaneFigureLayoutTest::boxFiguresFitTheNarrowerDirection_data()
{
    QTest::addColumn<QRectF>("view");
    QTest::addColumn<R::Any>("figure");
    QTest::addColumn<QRectF>("box");
    QTest::addColumn<QPointF>("gridOrigin");

    QTest::newRow("square in a wide view: full height, centred")
        << wideView << R::Any(R::Square{2}) << QRectF(120, 20, 200, 200) << QPointF(120, 20);
    QTest::newRow("square in a tall view: full width, centred")
        << tallView << R::Any(R::Square{2}) << QRectF(20, 120, 200, 200) << QPointF(20, 120);
    QTest::newRow("circle in a tall view: full width, centred")
        << tallView << R::Any(R::Circle{1}) << QRectF(20, 120, 200, 200) << QPointF(120, 220);
    QTest::newRow("rectangle no wider than the area: full height")
        << wideView << R::Any(R::Rectangle{2, 1}) << QRectF(20, 20, 400, 200) << QPointF(20, 20);
    QTest::newRow("tall rectangle: full height, centred")
        << wideView << R::Any(R::Rectangle{1, 2}) << QRectF(170, 20, 100, 200) << QPointF(170, 20);
    QTest::newRow("ellipse: radius b across, radius a up")
        << wideView << R::Any(R::Ellipse{1, 4}) << QRectF(20, 70, 400, 100) << QPointF(220, 120);
    QTest::newRow("tall ellipse") << wideView << R::Any(R::Ellipse{2, 1})
                                  << QRectF(170, 20, 100, 200) << QPointF(220, 120);
}

void PlaneFigureLayoutTest::boxFiguresFitTheNarrowerDirection()
{
    QFETCH(QRectF, view);
    QFETCH(R::Any, figure);
    QFETCH(QRectF, box);
    QFETCH(QPointF, gridOrigin);
    const PlaneLayout layout = PlaneFigureLayout::layOut(view, figure);
    QCOMPARE(layout.box, box);
    QCOMPARE(layout.gridOrigin, gridOrigin);
}

void PlaneFigureLayoutTest::polygonsAreDrawnToScaleInsideTheDrawingArea_data()
{
    QTest::addColumn<QRectF>("view");
    QTest::addColumn<R::Any>("figure");
    QTest::addColumn<QList<double>>("sides");
    QTest::addColumn<double>("height");
    QTest::addColumn<int>("figureCase");

    using TC = TriangleLayout::Case;
    using ZC = TrapeziumLayout::Case;
    using PC = ParallelogramLayout::Case;
    const struct {
        const char* name;
        R::Triangle t;
        TC expected;
    } triangles[] = {
        {"triangle obtuse at A", triangle(5, 30, 25), TC::ApexOverBase},
        {"triangle right-angled at A", triangle(5, 40, 50), TC::ApexOverBase},
        {"triangle obtuse at C", triangle(3, 25, 120), TC::ApexBeyondC},
        {"triangle obtuse at B", triangle(3, 120, 25), TC::ApexBeyondB},
        {"triangle all acute", triangle(4, 70, 50), TC::ApexOverBase},
        {"equilateral triangle", R::Triangle{2, 2, 2, 60, 60, 60, float(std::sqrt(3.0))},
         TC::ApexOverBase},
    };
    const struct {
        const char* name;
        R::Trapezium t;
        ZC expected;
    } trapezia[] = {
        {"trapezium base widest", trapezium(6, 2, 60, 70), ZC::BaseWidest},
        {"trapezium top widest", trapezium(4, 2, 110, 120), ZC::TopWidest},
        {"trapezium leaning right, top longer", trapezium(6, 2, 70, 120), ZC::LeaningRightOverTop},
        {"trapezium leaning left, top longer", trapezium(6, 2, 120, 70), ZC::LeaningLeftOverTop},
        {"trapezium leaning right, base longer", trapezium(6, 2, 60, 100),
         ZC::LeaningRightOverBase},
        {"trapezium leaning left, base longer", trapezium(6, 2, 100, 60), ZC::LeaningLeftOverBase},
        {"trapezium rectangle-like", trapezium(5, 2, 90, 90), ZC::BaseWidest},
    };
    const struct {
        const char* name;
        R::Parallelogram p;
        PC expected;
    } parallelograms[] = {
        {"parallelogram leaning right", parallelogram(5, 3, 60), PC::LeaningRight},
        {"parallelogram leaning left", parallelogram(5, 3, 120), PC::LeaningLeft},
        {"parallelogram rectangle-like", parallelogram(5, 3, 90), PC::LeaningRight},
    };
    for (const QRectF& view : {wideView, tallView, QRectF(0, 0, 1600, 300)}) {
        const QString size = QStringLiteral(" in %1x%2").arg(view.width()).arg(view.height());
        for (const auto& row : triangles) {
            QTest::newRow(qPrintable(row.name + size))
                << view << R::Any(row.t) << triangleSides(row.t) << double(row.t.height)
                << int(row.expected);
        }
        for (const auto& row : trapezia) {
            QTest::newRow(qPrintable(row.name + size))
                << view << R::Any(row.t) << trapeziumSides(row.t) << double(row.t.height)
                << int(row.expected);
        }
        for (const auto& row : parallelograms) {
            QTest::newRow(qPrintable(row.name + size))
                << view << R::Any(row.p) << parallelogramSides(row.p) << double(row.p.height)
                << int(row.expected);
        }
    }
}

void PlaneFigureLayoutTest::polygonsAreDrawnToScaleInsideTheDrawingArea()
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
        QVERIFY2(
            near(length, sides[i] * s),
            qPrintable(
                QStringLiteral("side %1: %2, expected %3").arg(i).arg(length).arg(sides[i] * s)));
    }
    // Standing on its base: point1 is the bottom-left corner, the apex or top is h above.
    double left = p[0].x(), right = left, bottom = p[0].y(), top = bottom;
    for (const QPointF& point : p) {
        left = std::min(left, point.x());
        right = std::max(right, point.x());
        bottom = std::min(bottom, point.y());
        top = std::max(top, point.y());
    }
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

void PlaneFigureLayoutTest::rightTriangleStandsWithItsApexAboveC()
{
    // Sides 3, 4, 5 as shown in the fields: the right angle lies at C.
    const R::Triangle t{3, 4, 5, 36.87f, 53.13f, 90, 4};
    QCOMPARE(TriangleLayout::classify(t), TriangleLayout::Case::ApexBeyondC);
    const PlaneLayout layout = PlaneFigureLayout::layOut(wideView, t);
    QVERIFY(std::abs(layout.points[1].x() - layout.points[2].x()) < 1e-3);
    QCOMPARE(layout.scalingRatio, 50.0); // fits the height of 4
}

void PlaneFigureLayoutTest::valuesThatFitNoCaseLayOutNothing_data()
{
    QTest::addColumn<R::Any>("figure");
    // Sides 2, 1.00 and 1.00 as displayed fail the strict inequality; A is far from acute.
    QTest::newRow("flat triangle") << R::Any(R::Triangle{2, 1, 1, 179.4f, 0.3f, 0.3f, 0.005f});
    QTest::newRow("parallelogram with two obtuse angles")
        << R::Any(R::Parallelogram{5, 3, 100, 100, 2});
    QTest::newRow("parallelogram with two acute angles")
        << R::Any(R::Parallelogram{5, 3, 80, 80, 2});
    QTest::newRow("trapezium whose top angles contradict its base angles")
        << R::Any(R::Trapezium{4, 2, 3, 2, 80, 80, 60, 60, 2});
}

void PlaneFigureLayoutTest::valuesThatFitNoCaseLayOutNothing()
{
    QFETCH(R::Any, figure);
    const PlaneLayout layout = PlaneFigureLayout::layOut(wideView, figure);
    QVERIFY(layout.isEmpty());
    QCOMPARE(layout.outline, PlaneLayout::Outline::Nothing);
    QVERIFY(layout.points.empty());
}

void PlaneFigureLayoutTest::regularPolygonsStandOnAHorizontalEdge_data()
{
    QTest::addColumn<int>("sides");
    QTest::addColumn<QRectF>("view");
    for (int n : {3, 4, 5, 6, 7, 8, 12, 14, 59, 60}) {
        QTest::newRow(qPrintable(QStringLiteral("%1 sides, wide view").arg(n))) << n << wideView;
        QTest::newRow(qPrintable(QStringLiteral("%1 sides, tall view").arg(n))) << n << tallView;
    }
}

void PlaneFigureLayoutTest::regularPolygonsStandOnAHorizontalEdge()
{
    QFETCH(int, sides);
    QFETCH(QRectF, view);
    const PlaneLayout layout = PlaneFigureLayout::layOut(view, R::RegularPolygon{float(sides), 2});
    QCOMPARE(layout.outline, PlaneLayout::Outline::Polygon);
    QVERIFY(!layout.shiftPoints);
    const QPointF centre = view.center();
    QCOMPARE(layout.gridOrigin, centre);
    // The circumcircle fills the smaller side of the drawing area.
    const double rho = std::min(view.width(), view.height()) / 2 - 20;
    QCOMPARE(layout.scalingRatio, rho / 2);
    const auto& p = layout.points;
    QCOMPARE(p.size(), size_t(sides));
    double bottom = centre.y(), top = centre.y();
    for (const QPointF& v : p) {
        QVERIFY(near(QLineF(centre, v).length(), rho, 1e-5));
        bottom = std::min(bottom, v.y());
        top = std::max(top, v.y());
    }
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

void PlaneFigureLayoutTest::regularPolygonAbove60SidesIsACircle()
{
    const PlaneLayout layout = PlaneFigureLayout::layOut(wideView, R::RegularPolygon{61, 5});
    QCOMPARE(layout.outline, PlaneLayout::Outline::Oval);
    QCOMPARE(layout.box, QRectF(120, 20, 200, 200));
    QCOMPARE(layout.gridOrigin, QPointF(220, 120));
    QVERIFY(layout.points.empty());
}

QTEST_GUILESS_MAIN(PlaneFigureLayoutTest)
#include "tst_PlaneFigureLayout.moc"
