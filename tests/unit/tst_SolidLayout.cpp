#include "render/SolidFaces.h"
#include "render/SolidGrid.h"
#include "render/SolidLayout.h"
#include "render/SolidMotion.h"
#include "render/SolidScale.h"

#include <QTest>

#include <cmath>

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

// The solid view's arithmetic without OpenGL: fitting solids into the scene, the scale
// label, the grid's lines, the face tables and the mouse.
class SolidLayoutTest : public QObject {
    Q_OBJECT
private slots:
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

QTEST_APPLESS_MAIN(SolidLayoutTest)
#include "tst_SolidLayout.moc"
