#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangleArea.h"
#include "shapes3d/TriangularPrismSolver.h"
#include "support/SolverTable.h"

#include <QTest>

namespace {

void box()
{
    using P = RectangularPrismSolver;
    const SolverTable t("box");
    const QString solid = "a=2 b=3 h=4 V=24 S=52";
    t.solves("edges overwrite volume and surface", "a=2 b=3 h=4 V=99 S=99", "a b h", solid);
    t.solves("volume wins over surface with a, b", "a=2 b=3 V=24 S=7", "a b V", solid);
    t.solves("surface, a, b", "a=2 b=3 S=52", "a b S", solid);
    t.solves("volume wins over surface with h, a", "a=2 h=4 V=24 S=7", "a h V", solid);
    t.solves("volume, h, b", "b=3 h=4 V=24", "b h V", solid);
    t.solves("surface, h, a", "a=2 h=4 S=52", "a h S", solid);
    t.solves("surface, h, b", "b=3 h=4 S=52", "b h S", solid);
    t.solves("not a number counts as entered", "a=nan b=3 h=4", "a b h",
             "a=nan b=3 h=4 V=nan S=nan");
    t.refuses("surface equal to both bases", "a=2 b=3 S=12", P::baseAreasMessage, "12");
    t.refuses("surface equal to sides a, h", "a=2 h=4 S=16", P::sideAreasMessage, "16");
    t.refuses("surface below sides b, h", "b=3 h=4 S=20", P::sideAreasMessage, "24");
    t.refuses("volume and surface only", "V=24 S=52");
    t.refuses("a and volume only", "a=2 V=24");
}

void cylinder()
{
    using P = CylinderSolver;
    const SolverTable t("cylinder");
    const QString solid = "r=1 h=2 V=6.283185307 S=18.84955592";
    t.solves("radius, height overwrite the surface", "r=1 h=2 S=99", "r h", solid);
    t.solves("volume wins over surface with the radius", "r=1 V=6.283185307179586 S=99", "r V",
             solid);
    t.solves("surface, radius", "r=1 S=18.84955592153876", "r S", solid);
    t.solves("volume, height", "h=2 V=6.283185307179586", "h V", solid);
    t.refuses("surface below both bases", "r=1 S=6", P::baseAreasMessage, "6.283185307179586");
    t.refuses("surface equal to both bases", "r=1 S=6.283185307179586", P::baseAreasMessage,
              "6.283185307179586");
    t.refuses("surface and height", "h=2 S=18");
    t.refuses("volume and surface", "V=6 S=18");
}

void cone()
{
    using P = ConeSolver;
    const SolverTable t("cone");
    const QString solid = "r=3 h=4 s=5 V=37.69911184 S=75.39822369";
    t.solves("radius, height overwrite the slant height", "r=3 h=4 s=9", "r h", solid);
    t.solves("slant height wins over volume", "r=3 s=5 V=99", "r s", solid);
    t.solves("slant height, height", "h=4 s=5", "s h", solid);
    t.solves("radius, volume", "r=3 V=37.69911184307752", "r V", solid);
    t.solves("height, volume", "h=4 V=37.69911184307752", "h V", solid);
    t.solves("a typed surface is ignored", "r=3 h=4 S=999", "r h", solid);
    t.refuses("slant height equal to radius", "r=3 s=3", P::slantNotOverRadiusMessage, "3");
    t.refuses("slant height below radius", "r=3 s=2 V=50", P::slantNotOverRadiusMessage, "3");
    t.refuses("slant height equal to height", "h=4 s=4", P::slantNotOverHeightMessage, "4");
    t.refuses("slant height and volume", "s=5 V=37");
    t.refuses("surface only", "S=75");
}

void pyramid()
{
    const SolverTable t("pyramid");
    const QString solid = "a=3 b=4 h=6 V=24 S=55.71229971";
    t.solves("a, b, height overwrite the volume", "a=3 b=4 h=6 V=100", "a b h", solid);
    t.solves("a, b, volume", "a=3 b=4 V=24", "a b V", solid);
    t.solves("a, height, volume", "a=3 h=6 V=24", "a h V", solid);
    t.solves("b, height, volume", "b=4 h=6 V=24", "b h V", solid);
    // Very unequal sides catch a surface whose two pairs of faces are swapped.
    t.solves("flat base", "a=10 b=2 h=1", "a b h", "a=10 b=2 h=1 V=6.666666667 S=44.34017465");
    t.refuses("a, b and a surface", "a=3 b=4 S=55");
    t.refuses("height and volume", "h=6 V=24");
}

void sphere()
{
    const SolverTable t("sphere");
    const QString fromVolume = "r=2.8794119115 d=5.758823823 V=100 S=104.18794157";
    t.solves("radius overwrites the diameter", "r=1 d=5", "r",
             "r=1 d=2 V=4.188790205 S=12.56637061");
    t.solves("diameter", "d=3", "d", "r=1.5 d=3 V=14.13716694 S=28.27433388");
    t.solves("volume wins over surface", "V=100 S=50", "V", fromVolume);
    t.solves("surface", "S=100", "S", "r=2.820947918 d=5.641895835 V=94.031597258 S=100");
    t.solves("a negative volume has a negative radius", "V=-100", "V",
             "r=-2.8794119115 d=-5.758823823 V=-100 S=104.18794157");
    t.refuses("nothing", "");
}

void triangularPrism()
{
    using P = TriangularPrismSolver;
    const SolverTable t("triangular prism");
    const QString prism = "a=3 b=4 c=5 h=10 V=60 S=132";
    t.solves("height wins over volume", "a=3 b=4 c=5 h=10 V=99", "a b c h", prism);
    t.solves("volume wins over surface", "a=3 b=4 c=5 V=60 S=7", "a b c V", prism);
    t.solves("sides, surface", "a=3 b=4 c=5 S=132", "a b c S", prism);
    t.solves("obtuse base", "a=3 b=4 c=2 h=1", "a b c h",
             "a=3 b=4 c=2 h=1 V=2.904737510 S=14.80947502");
    t.solves("a missing", "b=4 c=5 h=10 V=60", "b c h V", prism);
    t.solves("b missing", "a=3 c=5 h=10 V=60", "a c h V", prism);
    t.solves("c missing, surface overwritten", "a=3 b=4 h=10 V=60 S=7", "a b h V", prism);
    // The largest volume two sides hold: a right angle between them.
    t.solves("a missing, right angle", "b=4 c=5 h=10 V=100", "b c h V",
             "a=6.403124237 b=4 c=5 h=10 V=100 S=174.0312424");
    // Twice the 3-4-5 base is exactly 12: equality is refused, not solved with a height of
    // a few ulps.
    t.refuses("surface equal to both bases", "a=3 b=4 c=5 S=12", P::baseAreasMessage, "12");
    t.refuses("surface below both bases", "a=3 b=4 c=5 S=11", P::baseAreasMessage, "12");
    t.refuses("a too long", "a=10 b=3 c=4", P::sideAMessage, "10");
    t.refuses("b too long", "a=3 b=10 c=4 h=1", P::sideBMessage, "10");
    t.refuses("c flat", "a=3 b=4 c=7 h=1", P::sideCMessage, "7");
    t.refuses("a missing, volume too large", "b=4 c=5 h=10 V=101", P::volumeTooLargeMessage, "100");
    t.refuses("b missing, volume too large", "a=3 c=5 h=2 V=16", P::volumeTooLargeMessage, "15");
    t.refuses("c missing, volume too large", "a=3 b=4 h=1 V=7", P::volumeTooLargeMessage, "6");
    t.refuses("a missing, no height", "b=4 c=5 V=60");
    t.refuses("b missing, no volume", "a=3 c=5 h=10 S=132");
    t.refuses("sides only", "a=3 b=4 c=5");
    t.refuses("nothing", "");
}

void trapezoidalPrism()
{
    using P = TrapezoidalPrismSolver;
    const SolverTable t("trapezoidal prism");
    const QString prism = "a=6 b=2 c=4 d=2.828427125 B=90 h=10 V=100 S=168.2842712";
    t.solves("height wins over volume", "a=6 b=2 c=4 B=90 h=10 V=55", "a b c B h", prism);
    t.solves("a typed side d is ignored", "a=6 b=2 c=4 d=99 B=90 h=10", "a b c B h", prism);
    t.solves("volume wins over surface", "a=6 b=2 c=4 B=90 V=100 S=7", "a b c B V", prism);
    t.solves("surface", "a=6 b=2 c=4 B=90 S=168.2842712474619", "a b c B S", prism);
    // At 60 degrees the leg b covers part of the run that d spans; at 90 it covers none.
    t.solves("acute angle", "a=5 b=2 c=3 B=60 h=1", "a b c B h",
             "a=5 b=2 c=3 d=2 B=60 h=1 V=6.928203230 S=25.85640646");
    t.refuses("surface below both bases", "a=5 b=2 c=3 B=60 S=13", P::baseAreasMessage,
              "13.856406460551018");
    t.refuses("straight angle alone", "B=180", P::angleMessage);
    t.refuses("reflex angle with a full base", "a=6 b=2 c=4 B=200 h=10", P::angleMessage);
    t.refuses("angle missing", "a=6 b=2 c=4 h=10");
    t.refuses("base only", "a=6 b=2 c=4 B=90");
    t.refuses("nothing", "");
}

} // namespace

// One table over every solid's cases in precedence and its refusals.
class SolidSolversTest : public QObject {
    Q_OBJECT
private slots:
    void solves_data()
    {
        SolverTable::addColumns();
        for (const auto add :
             {box, cylinder, cone, pyramid, sphere, triangularPrism, trapezoidalPrism})
            add();
    }
    void solves() { SolverTable::verifyRow(); }

    void exactSidesGiveAnExactTriangleArea_data()
    {
        QTest::addColumn<QList<double>>("sides");
        QTest::addColumn<double>("area");
        QTest::newRow("3-4-5") << QList<double>{3, 4, 5} << 6.0;
        QTest::newRow("5-3-4") << QList<double>{5, 3, 4} << 6.0;
        QTest::newRow("13-14-15") << QList<double>{13, 14, 15} << 84.0;
        QTest::newRow("halves") << QList<double>{1.5, 2, 2.5} << 1.5;
        QTest::newRow("negative b turns the area") << QList<double>{3, -4, 5} << -6.0;
    }
    void exactSidesGiveAnExactTriangleArea()
    {
        QFETCH(QList<double>, sides);
        QFETCH(double, area);
        QVERIFY(TriangleArea::fromSides(sides[0], sides[1], sides[2]) == area);
    }
};

QTEST_APPLESS_MAIN(SolidSolversTest)
#include "tst_SolidSolvers.moc"
