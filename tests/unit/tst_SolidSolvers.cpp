#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/SphereSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangleArea.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/SolverTable.h"

#include <QTest>

#include <cmath>
#include <numbers>

using Values = SolverTable::Values;

// One table over every solid's cases in precedence and its refusals. Values are in the
// solid's field order, 0 where nothing is entered.
class SolidSolversTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves() { SolverTable::verifyRow(); }
    void exactSidesGiveAnExactTriangleArea_data();
    void exactSidesGiveAnExactTriangleArea();

private:
    static void rectangularPrism();
    static void cylinder();
    static void cone();
    static void pyramid();
    static void sphere();
    static void triangularPrism();
    static void trapezoidalPrism();
};

void SolidSolversTest::solves_data()
{
    SolverTable::addColumns();
    rectangularPrism();
    cylinder();
    cone();
    pyramid();
    sphere();
    triangularPrism();
    trapezoidalPrism();
}

void SolidSolversTest::rectangularPrism()
{
    using P = RectangularPrismSolver; // a, b, h, volume, surface
    const SolverTable t("box");
    const Values box{2, 3, 4, 24, 52};
    t.solves("edges overwrite volume and surface", {2, 3, 4, 99, 99}, box, "a b h");
    t.solves("volume, a, b", {2, 3, 0, 24, 0}, box, "V a b");
    t.solves("volume wins over surface with a, b", {2, 3, 0, 24, 7}, box, "V a b");
    t.solves("surface, a, b", {2, 3, 0, 0, 52}, box, "S a b");
    t.solves("volume wins over surface with h, a", {2, 0, 4, 24, 7}, box, "V h a");
    t.solves("volume, h, b", {0, 3, 4, 24, 0}, box, "V h b");
    t.solves("surface, h, a", {2, 0, 4, 0, 52}, box, "S h a");
    t.solves("surface, h, b", {0, 3, 4, 0, 52}, box, "S h b");
    t.solves("not a number counts as entered", {qQNaN(), 3, 4, 0, 0},
             {qQNaN(), 3, 4, qQNaN(), qQNaN()}, "a b h");
    t.refuses("surface equal to both bases", {2, 3, 0, 0, 12}, P::baseAreasMessage, 12);
    t.refuses("surface equal to sides a, h", {2, 0, 4, 0, 16}, P::sideAreasMessage, 16);
    t.refuses("surface below sides b, h", {0, 3, 4, 0, 20}, P::sideAreasMessage, 24);
    t.refuses("volume and surface only", {0, 0, 0, 24, 52});
    t.refuses("a and volume only", {2, 0, 0, 24, 0});
}

void SolidSolversTest::cylinder()
{
    using P = CylinderSolver; // radius, height, volume, surface
    const SolverTable t("cylinder");
    const double volume = 6.283185307179586;
    const double surface = 18.84955592153876;
    const Values solid{1, 2, volume, surface};
    t.solves("radius, height overwrite the surface", {1, 2, 0, 99}, solid, "r h");
    t.solves("volume wins over surface with the radius", {1, 0, volume, 99}, solid, "V r");
    t.solves("surface, radius", {1, 0, 0, surface}, solid, "S r");
    t.solves("volume, height", {0, 2, volume, 0}, solid, "V h");
    t.refuses("surface below both bases", {1, 0, 0, 6}, P::baseAreasMessage, 2 * std::numbers::pi);
    t.refuses("surface equal to both bases", {1, 0, 0, 2 * std::numbers::pi}, P::baseAreasMessage,
              2 * std::numbers::pi);
    t.refuses("surface and height", {0, 2, 0, 18});
    t.refuses("volume and surface", {0, 0, 6, 18});
}

void SolidSolversTest::cone()
{
    using P = ConeSolver; // radius, height, slant height, volume, surface
    const SolverTable t("cone");
    const double volume = 37.69911184307752;
    const Values solid{3, 4, 5, volume, 75.39822368615503};
    t.solves("radius, height overwrite the slant height", {3, 4, 9, 0, 0}, solid, "r h");
    t.solves("slant height wins over volume", {3, 0, 5, 99, 0}, solid, "r s");
    t.solves("slant height, height", {0, 4, 5, 0, 0}, solid, "s h");
    t.solves("radius, volume", {3, 0, 0, volume, 0}, solid, "r V");
    t.solves("height, volume", {0, 4, 0, volume, 0}, solid, "h V");
    t.solves("a typed surface is ignored", {3, 4, 0, 0, 999}, solid, "r h");
    t.refuses("slant height equal to radius", {3, 0, 3, 0, 0}, P::slantNotOverRadiusMessage, 3);
    t.refuses("slant height below radius", {3, 0, 2, 50, 0}, P::slantNotOverRadiusMessage, 3);
    t.refuses("slant height equal to height", {0, 4, 4, 0, 0}, P::slantNotOverHeightMessage, 4);
    t.refuses("slant height and volume", {0, 0, 5, 37, 0});
    t.refuses("surface only", {0, 0, 0, 0, 75});
}

void SolidSolversTest::pyramid()
{
    // a, b, height, volume, surface
    const SolverTable t("pyramid");
    const Values solid{3, 4, 6, 24, 55.71229971471624};
    t.solves("a, b, height overwrite the volume", {3, 4, 6, 100, 0}, solid, "a b h");
    t.solves("a, b, volume", {3, 4, 0, 24, 0}, solid, "a b V");
    t.solves("a, height, volume", {3, 0, 6, 24, 0}, solid, "a h V");
    t.solves("b, height, volume", {0, 4, 6, 24, 0}, solid, "b h V");
    // Very unequal sides catch a surface whose two pairs of faces are swapped.
    t.solves("flat base", {10, 2, 1, 0, 0},
             {10, 2, 1, 20.0 / 3, std::sqrt(2.0) * 10 + std::sqrt(26.0) * 2 + 20}, "a b h");
    t.refuses("a, b and a surface", {3, 4, 0, 0, 55});
    t.refuses("height and volume", {0, 0, 6, 24, 0});
}

void SolidSolversTest::sphere()
{
    // radius, diameter, volume, surface
    const SolverTable t("sphere");
    const Values fromVolume{2.8794119115, 5.758823823, 100, 104.18794157};
    t.solves("radius overwrites the diameter", {1, 5, 0, 0},
             {1, 2, 4.1887902047863905, 12.566370614359172}, "r");
    t.solves("diameter", {0, 3, 0, 0}, {1.5, 3, 14.137166941154069, 28.274333882308138}, "d");
    t.solves("volume", {0, 0, 100, 0}, fromVolume, "V");
    t.solves("volume wins over surface", {0, 0, 100, 50}, fromVolume, "V");
    t.solves("surface", {0, 0, 0, 100}, {2.8209479177387813, 5.6418958355, 94.031597258, 100}, "S");
    t.solves("a negative volume has a negative radius", {0, 0, -100, 0},
             {-2.8794119115, -5.758823823, -100, 104.18794157}, "V");
    t.refuses("nothing", {0, 0, 0, 0});
}

void SolidSolversTest::triangularPrism()
{
    using P = TriangularPrismSolver; // a, b, c, height, volume, surface
    const SolverTable t("triangular prism");
    const Values prism{3, 4, 5, 10, 60, 132};
    const QString sides = "a b c";
    t.solves("height wins over volume", {3, 4, 5, 10, 99, 0}, prism, sides + " h");
    t.solves("volume wins over surface", {3, 4, 5, 0, 60, 7}, prism, sides + " V");
    t.solves("sides, surface", {3, 4, 5, 0, 0, 132}, prism, sides + " S");
    t.solves("obtuse base", {3, 4, 2, 1, 0, 0},
             {3, 4, 2, 1, 2.9047375096555625, 14.809475019311126}, sides + " h");
    t.solves("a missing", {0, 4, 5, 10, 60, 0}, prism, "b c h V");
    t.solves("b missing", {3, 0, 5, 10, 60, 0}, prism, "a c h V");
    t.solves("c missing, surface overwritten", {3, 4, 0, 10, 60, 7}, prism, "a b h V");
    // The largest volume two sides hold: a right angle between them.
    t.solves("a missing, right angle", {0, 4, 5, 10, 100, 0},
             {std::sqrt(41.0), 4, 5, 10, 100, (std::sqrt(41.0) + 9) * 10 + 20}, "b c h V");
    // Twice the 3-4-5 base is exactly 12: equality is refused, not solved with a height of
    // a few ulps.
    t.refuses("surface equal to both bases", {3, 4, 5, 0, 0, 12}, P::baseAreasMessage, 12);
    t.refuses("surface below both bases", {3, 4, 5, 0, 0, 11}, P::baseAreasMessage, 12);
    t.refuses("a too long", {10, 3, 4, 0, 0, 0}, P::sideAMessage, 10);
    t.refuses("b too long", {3, 10, 4, 1, 0, 0}, P::sideBMessage, 10);
    t.refuses("c flat", {3, 4, 7, 1, 0, 0}, P::sideCMessage, 7);
    t.refuses("a missing, volume too large", {0, 4, 5, 10, 101, 0}, P::volumeTooLargeMessage, 100);
    t.refuses("b missing, volume too large", {3, 0, 5, 2, 16, 0}, P::volumeTooLargeMessage, 15);
    t.refuses("c missing, volume too large", {3, 4, 0, 1, 7, 0}, P::volumeTooLargeMessage, 6);
    t.refuses("a missing, no height", {0, 4, 5, 0, 60, 0});
    t.refuses("b missing, no volume", {3, 0, 5, 10, 0, 132});
    t.refuses("sides only", {3, 4, 5, 0, 0, 0});
    t.refuses("nothing", {0, 0, 0, 0, 0, 0});
}

void SolidSolversTest::trapezoidalPrism()
{
    using P = TrapezoidalPrismSolver; // a, b, c, d, angle B, height, volume, surface
    const SolverTable t("trapezoidal prism");
    const double surface = 168.2842712474619;
    const Values prism{6, 2, 4, 2.82842712474619, 90, 10, 100, surface};
    const QString base = "a b c B";
    t.solves("height wins over volume", {6, 2, 4, 0, 90, 10, 55, 0}, prism, base + " h");
    t.solves("a typed side d is ignored", {6, 2, 4, 99, 90, 10, 0, 0}, prism, base + " h");
    t.solves("volume wins over surface", {6, 2, 4, 0, 90, 0, 100, 7}, prism, base + " V");
    t.solves("surface", {6, 2, 4, 0, 90, 0, 0, surface}, prism, base + " S");
    // At 60 degrees the leg b covers part of the run that d spans; at 90 it covers none.
    t.solves("acute angle", {5, 2, 3, 0, 60, 1, 0, 0},
             {5, 2, 3, 2, 60, 1, 6.928203230275509, 12 + 13.856406460551018}, base + " h");
    t.refuses("surface below both bases", {5, 2, 3, 0, 60, 0, 0, 13}, P::baseAreasMessage,
              13.856406460551018);
    t.refuses("straight angle alone", {0, 0, 0, 0, 180, 0, 0, 0}, P::angleMessage);
    t.refuses("reflex angle with a full base", {6, 2, 4, 0, 200, 10, 0, 0}, P::angleMessage);
    t.refuses("angle missing", {6, 2, 4, 0, 0, 10, 0, 0});
    t.refuses("base only", {6, 2, 4, 0, 90, 0, 0, 0});
    t.refuses("nothing", {0, 0, 0, 0, 0, 0, 0, 0});
}

void SolidSolversTest::exactSidesGiveAnExactTriangleArea_data()
{
    QTest::addColumn<QList<double>>("sides");
    QTest::addColumn<double>("area");
    QTest::newRow("3-4-5") << QList<double>{3, 4, 5} << 6.0;
    QTest::newRow("5-3-4") << QList<double>{5, 3, 4} << 6.0;
    QTest::newRow("13-14-15") << QList<double>{13, 14, 15} << 84.0;
    QTest::newRow("halves") << QList<double>{1.5, 2, 2.5} << 1.5;
    QTest::newRow("negative b turns the area") << QList<double>{3, -4, 5} << -6.0;
}

void SolidSolversTest::exactSidesGiveAnExactTriangleArea()
{
    QFETCH(QList<double>, sides);
    QFETCH(double, area);
    QVERIFY(TriangleArea::fromSides(sides[0], sides[1], sides[2]) == area);
}

QTEST_APPLESS_MAIN(SolidSolversTest)
#include "tst_SolidSolvers.moc"
