#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/SphereSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangleArea.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/SolutionChecks.h"

#include <QTest>

#include <functional>
#include <numbers>

using Values = QList<double>;
using Marks = QList<int>;

// One table per solid over its cases in precedence and its refusals. Values and marks
// are in the solid's field order; each test maps them onto its solver's reading order.
class SolidSolversTest : public QObject {
    Q_OBJECT
private slots:
    void rectangularPrism_data();
    void rectangularPrism();
    void cylinder_data();
    void cylinder();
    void cone_data();
    void cone();
    void pyramid_data();
    void pyramid();
    void sphere_data();
    void sphere();
    void triangularPrism_data();
    void triangularPrism();
    void trapezoidalPrism_data();
    void trapezoidalPrism();
    void exactSidesGiveAnExactTriangleArea_data();
    void exactSidesGiveAnExactTriangleArea();

private:
    static void verifyRow(const std::function<SolveOutcome(const Values&)>& solve);
};

namespace {

void addColumns()
{
    QTest::addColumn<Values>("entered");
    QTest::addColumn<Values>("expected"); // empty: refused
    QTest::addColumn<Marks>("marked");
    QTest::addColumn<QString>("message");
    QTest::addColumn<double>("bound");
}

void solved(const char* name, const Values& entered, const Values& expected, const Marks& marked)
{
    QTest::newRow(name) << entered << expected << marked << QString() << qQNaN();
}

void refused(const char* name, const Values& entered,
             const char* message = notEnoughParametersMessage, double bound = qQNaN())
{
    QTest::newRow(name) << entered << Values() << Marks() << QString(message) << bound;
}

} // namespace

void SolidSolversTest::verifyRow(const std::function<SolveOutcome(const Values&)>& solve)
{
    QFETCH(Values, entered);
    QFETCH(Values, expected);
    QFETCH(Marks, marked);
    QFETCH(QString, message);
    QFETCH(double, bound);
    if (expected.isEmpty())
        SolutionChecks::verifyRefusal(solve(entered), qPrintable(message), bound);
    else
        SolutionChecks::verifySolution(solve(entered), expected, marked);
}

void SolidSolversTest::rectangularPrism_data()
{
    using P = RectangularPrismSolver; // a, b, h, volume, surface
    addColumns();
    const Values box{2, 3, 4, 24, 52};
    solved("edges overwrite volume and surface", {2, 3, 4, 99, 99}, box,
           {P::SideA, P::SideB, P::Height});
    solved("volume, a, b", {2, 3, 0, 24, 0}, box, {P::Volume, P::SideA, P::SideB});
    solved("volume wins over surface with a, b", {2, 3, 0, 24, 7}, box,
           {P::Volume, P::SideA, P::SideB});
    solved("surface, a, b", {2, 3, 0, 0, 52}, box, {P::Surface, P::SideA, P::SideB});
    solved("volume wins over surface with h, a", {2, 0, 4, 24, 7}, box,
           {P::Volume, P::Height, P::SideA});
    solved("volume, h, b", {0, 3, 4, 24, 0}, box, {P::Volume, P::Height, P::SideB});
    solved("surface, h, a", {2, 0, 4, 0, 52}, box, {P::Surface, P::Height, P::SideA});
    solved("surface, h, b", {0, 3, 4, 0, 52}, box, {P::Surface, P::Height, P::SideB});
    solved("not a number counts as entered", {qQNaN(), 3, 4, 0, 0},
           {qQNaN(), 3, 4, qQNaN(), qQNaN()}, {P::SideA, P::SideB, P::Height});
    refused("surface equal to both bases", {2, 3, 0, 0, 12}, P::baseAreasMessage, 12);
    refused("surface equal to sides a, h", {2, 0, 4, 0, 16}, P::sideAreasMessage, 16);
    refused("surface below sides b, h", {0, 3, 4, 0, 20}, P::sideAreasMessage, 24);
    refused("volume and surface only", {0, 0, 0, 24, 52});
    refused("a and volume only", {2, 0, 0, 24, 0});
}

void SolidSolversTest::rectangularPrism()
{
    verifyRow([](const Values& v) {
        return RectangularPrismSolver::solve(v[0], v[1], v[2], v[3], v[4]);
    });
}

void SolidSolversTest::cylinder_data()
{
    using P = CylinderSolver; // radius, height, volume, surface
    addColumns();
    const double volume = 6.283185307179586;
    const double surface = 18.84955592153876;
    const Values solid{1, 2, volume, surface};
    solved("radius, height overwrite the surface", {1, 2, 0, 99}, solid, {P::Radius, P::Height});
    solved("volume wins over surface with the radius", {1, 0, volume, 99}, solid,
           {P::Volume, P::Radius});
    solved("surface, radius", {1, 0, 0, surface}, solid, {P::Surface, P::Radius});
    solved("volume, height", {0, 2, volume, 0}, solid, {P::Volume, P::Height});
    refused("surface below both bases", {1, 0, 0, 6}, P::baseAreasMessage, 2 * std::numbers::pi);
    refused("surface equal to both bases", {1, 0, 0, 2 * std::numbers::pi}, P::baseAreasMessage,
            2 * std::numbers::pi);
    refused("surface and height", {0, 2, 0, 18});
    refused("volume and surface", {0, 0, 6, 18});
}

void SolidSolversTest::cylinder()
{
    verifyRow([](const Values& v) { return CylinderSolver::solve(v[1], v[2], v[0], v[3]); });
}

void SolidSolversTest::cone_data()
{
    using P = ConeSolver; // radius, height, slant height, volume, surface
    addColumns();
    const double volume = 37.69911184307752;
    const Values solid{3, 4, 5, volume, 75.39822368615503};
    solved("radius, height overwrite the slant height", {3, 4, 9, 0, 0}, solid,
           {P::Radius, P::Height});
    solved("slant height wins over volume", {3, 0, 5, 99, 0}, solid, {P::Radius, P::SlantHeight});
    solved("slant height, height", {0, 4, 5, 0, 0}, solid, {P::SlantHeight, P::Height});
    solved("radius, volume", {3, 0, 0, volume, 0}, solid, {P::Radius, P::Volume});
    solved("height, volume", {0, 4, 0, volume, 0}, solid, {P::Height, P::Volume});
    solved("a typed surface is ignored", {3, 4, 0, 0, 999}, solid, {P::Radius, P::Height});
    refused("slant height equal to radius", {3, 0, 3, 0, 0}, P::slantNotOverRadiusMessage, 3);
    refused("slant height below radius", {3, 0, 2, 50, 0}, P::slantNotOverRadiusMessage, 3);
    refused("slant height equal to height", {0, 4, 4, 0, 0}, P::slantNotOverHeightMessage, 4);
    refused("slant height and volume", {0, 0, 5, 37, 0});
    refused("surface only", {0, 0, 0, 0, 75});
}

void SolidSolversTest::cone()
{
    // The surface (index 4) is never read.
    verifyRow([](const Values& v) { return ConeSolver::solve(v[2], v[1], v[0], v[3]); });
}

void SolidSolversTest::pyramid_data()
{
    using P = PyramidSolver; // a, b, height, volume, surface
    addColumns();
    const Values solid{3, 4, 6, 24, 55.71229971471624};
    solved("a, b, height overwrite the volume", {3, 4, 6, 100, 0}, solid,
           {P::SideA, P::SideB, P::Height});
    solved("a, b, volume", {3, 4, 0, 24, 0}, solid, {P::SideA, P::SideB, P::Volume});
    solved("a, height, volume", {3, 0, 6, 24, 0}, solid, {P::SideA, P::Height, P::Volume});
    solved("b, height, volume", {0, 4, 6, 24, 0}, solid, {P::SideB, P::Height, P::Volume});
    // Very unequal sides catch a surface whose two pairs of faces are swapped.
    solved("flat base", {10, 2, 1, 0, 0},
           {10, 2, 1, 20.0 / 3, std::sqrt(2.0) * 10 + std::sqrt(26.0) * 2 + 20},
           {P::SideA, P::SideB, P::Height});
    refused("a, b and a surface", {3, 4, 0, 0, 55});
    refused("height and volume", {0, 0, 6, 24, 0});
}

void SolidSolversTest::pyramid()
{
    // The surface (index 4) is never read.
    verifyRow([](const Values& v) { return PyramidSolver::solve(v[0], v[1], v[2], v[3]); });
}

void SolidSolversTest::sphere_data()
{
    using P = SphereSolver; // radius, diameter, volume, surface
    addColumns();
    const Values fromVolume{2.8794119115, 5.758823823, 100, 104.18794157};
    solved("radius overwrites the diameter", {1, 5, 0, 0},
           {1, 2, 4.1887902047863905, 12.566370614359172}, {P::Radius});
    solved("diameter", {0, 3, 0, 0}, {1.5, 3, 14.137166941154069, 28.274333882308138},
           {P::Diameter});
    solved("volume", {0, 0, 100, 0}, fromVolume, {P::Volume});
    solved("volume wins over surface", {0, 0, 100, 50}, fromVolume, {P::Volume});
    solved("surface", {0, 0, 0, 100}, {2.8209479177387813, 5.6418958355, 94.031597258, 100},
           {P::Surface});
    solved("a negative volume has a negative radius", {0, 0, -100, 0},
           {-2.8794119115, -5.758823823, -100, 104.18794157}, {P::Volume});
    refused("nothing", {0, 0, 0, 0});
}

void SolidSolversTest::sphere()
{
    verifyRow([](const Values& v) { return SphereSolver::solve(v[1], v[0], v[3], v[2]); });
}

void SolidSolversTest::triangularPrism_data()
{
    using P = TriangularPrismSolver; // a, b, c, height, volume, surface
    addColumns();
    const Values prism{3, 4, 5, 10, 60, 132};
    const Marks sides{P::SideA, P::SideB, P::SideC};
    solved("height wins over volume", {3, 4, 5, 10, 99, 0}, prism, sides + Marks{P::Height});
    solved("volume wins over surface", {3, 4, 5, 0, 60, 7}, prism, sides + Marks{P::Volume});
    solved("sides, surface", {3, 4, 5, 0, 0, 132}, prism, sides + Marks{P::Surface});
    solved("obtuse base", {3, 4, 2, 1, 0, 0}, {3, 4, 2, 1, 2.9047375096555625, 14.809475019311126},
           sides + Marks{P::Height});
    solved("a missing", {0, 4, 5, 10, 60, 0}, prism, {P::SideB, P::SideC, P::Height, P::Volume});
    solved("b missing", {3, 0, 5, 10, 60, 0}, prism, {P::SideA, P::SideC, P::Height, P::Volume});
    solved("c missing, surface overwritten", {3, 4, 0, 10, 60, 7}, prism,
           {P::SideA, P::SideB, P::Height, P::Volume});
    // The largest volume two sides hold: a right angle between them.
    solved("a missing, right angle", {0, 4, 5, 10, 100, 0},
           {std::sqrt(41.0), 4, 5, 10, 100, (std::sqrt(41.0) + 9) * 10 + 20},
           {P::SideB, P::SideC, P::Height, P::Volume});
    // Twice the 3-4-5 base is exactly 12: equality is refused, not solved with a height of
    // a few ulps.
    refused("surface equal to both bases", {3, 4, 5, 0, 0, 12}, P::baseAreasMessage, 12);
    refused("surface below both bases", {3, 4, 5, 0, 0, 11}, P::baseAreasMessage, 12);
    refused("a too long", {10, 3, 4, 0, 0, 0}, P::sideAMessage, 10);
    refused("b too long", {3, 10, 4, 1, 0, 0}, P::sideBMessage, 10);
    refused("c flat", {3, 4, 7, 1, 0, 0}, P::sideCMessage, 7);
    refused("a missing, volume too large", {0, 4, 5, 10, 101, 0}, P::volumeTooLargeMessage, 100);
    refused("b missing, volume too large", {3, 0, 5, 2, 16, 0}, P::volumeTooLargeMessage, 15);
    refused("c missing, volume too large", {3, 4, 0, 1, 7, 0}, P::volumeTooLargeMessage, 6);
    refused("a missing, no height", {0, 4, 5, 0, 60, 0});
    refused("b missing, no volume", {3, 0, 5, 10, 0, 132});
    refused("sides only", {3, 4, 5, 0, 0, 0});
    refused("nothing", {0, 0, 0, 0, 0, 0});
}

void SolidSolversTest::triangularPrism()
{
    verifyRow([](const Values& v) {
        return TriangularPrismSolver::solve(v[0], v[1], v[2], v[3], v[4], v[5]);
    });
}

void SolidSolversTest::trapezoidalPrism_data()
{
    using P = TrapezoidalPrismSolver; // a, b, c, d, angle B, height, volume, surface
    addColumns();
    const double surface = 168.2842712474619;
    const Values prism{6, 2, 4, 2.82842712474619, 90, 10, 100, surface};
    const Marks base{P::SideA, P::SideB, P::SideC, P::AngleB};
    solved("height wins over volume", {6, 2, 4, 0, 90, 10, 55, 0}, prism, base + Marks{P::Height});
    solved("a typed side d is ignored", {6, 2, 4, 99, 90, 10, 0, 0}, prism,
           base + Marks{P::Height});
    solved("volume wins over surface", {6, 2, 4, 0, 90, 0, 100, 7}, prism, base + Marks{P::Volume});
    solved("surface", {6, 2, 4, 0, 90, 0, 0, surface}, prism, base + Marks{P::Surface});
    // At 60 degrees the leg b covers part of the run that d spans; at 90 it covers none.
    solved("acute angle", {5, 2, 3, 0, 60, 1, 0, 0},
           {5, 2, 3, 2, 60, 1, 6.928203230275509, 12 + 13.856406460551018},
           base + Marks{P::Height});
    refused("surface below both bases", {5, 2, 3, 0, 60, 0, 0, 13}, P::baseAreasMessage,
            13.856406460551018);
    refused("straight angle alone", {0, 0, 0, 0, 180, 0, 0, 0}, P::angleMessage);
    refused("reflex angle with a full base", {6, 2, 4, 0, 200, 10, 0, 0}, P::angleMessage);
    refused("angle missing", {6, 2, 4, 0, 0, 10, 0, 0});
    refused("base only", {6, 2, 4, 0, 90, 0, 0, 0});
    refused("nothing", {0, 0, 0, 0, 0, 0, 0, 0});
}

void SolidSolversTest::trapezoidalPrism()
{
    // Side d (index 3) is never read.
    verifyRow([](const Values& v) {
        return TrapezoidalPrismSolver::solve(v[0], v[1], v[2], v[4], v[5], v[6], v[7]);
    });
}

void SolidSolversTest::exactSidesGiveAnExactTriangleArea_data()
{
    QTest::addColumn<Values>("sides");
    QTest::addColumn<double>("area");
    QTest::newRow("3-4-5") << Values{3, 4, 5} << 6.0;
    QTest::newRow("5-3-4") << Values{5, 3, 4} << 6.0;
    QTest::newRow("13-14-15") << Values{13, 14, 15} << 84.0;
    QTest::newRow("halves") << Values{1.5, 2, 2.5} << 1.5;
    QTest::newRow("negative b turns the area") << Values{3, -4, 5} << -6.0;
}

void SolidSolversTest::exactSidesGiveAnExactTriangleArea()
{
    QFETCH(Values, sides);
    QFETCH(double, area);
    QVERIFY(TriangleArea::fromSides(sides[0], sides[1], sides[2]) == area);
}

QTEST_APPLESS_MAIN(SolidSolversTest)
#include "tst_SolidSolvers.moc"
