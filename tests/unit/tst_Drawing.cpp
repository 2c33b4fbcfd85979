#include "core/SolveOutcome.h"
#include "drawing/DrawingScale.h"
#include "drawing/DrawingSheet.h"
#include "drawing/PrintTiling.h"
#include "drawing/SolidNet.h"
#include "drawing/SolidWireframe.h"
#include "shapes3d/ConeSolver.h"
#include "shapes3d/CylinderSolver.h"
#include "shapes3d/PyramidSolver.h"
#include "shapes3d/RectangularPrismSolver.h"
#include "shapes3d/TrapezoidalPrismSolver.h"
#include "shapes3d/TriangularPrismSolver.h"

#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>

Q_DECLARE_METATYPE(SolidKind)

namespace {

double surfaceOf(const SolveOutcome& outcome, int field)
{
    const Solution* solution = solutionOf(outcome);
    return solution ? solution->values[size_t(field)] : -1;
}

constexpr double inf = std::numeric_limits<double>::infinity();

} // namespace

// Nets, scales, sheets and print tiles: the model of drawings at true size.
class DrawingTest : public QObject {
    Q_OBJECT
private slots:
    void netFacesSumToTheSolidsSurface_data()
    {
        QTest::addColumn<SolidKind>("kind");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("surface");
        using S = SolidKind;
        const auto row = [](const char* name, S kind, const QList<double>& values,
                            const SolveOutcome& solved, int surfaceField) {
            QTest::newRow(name) << kind << values << surfaceOf(solved, surfaceField);
        };
        row("box", S::RectangularPrism, {4, 1, 2}, RectangularPrismSolver::solve(4, 1, 2, 0, 0), 4);
        row("triangular prism", S::TriangularPrism, {3, 4, 5, 7},
            TriangularPrismSolver::solve(3, 4, 5, 7, 0, 0), 5);
        row("trapezoidal prism, acute B", S::TrapezoidalPrism, {6, 2, 3, 60, 5},
            TrapezoidalPrismSolver::solve(6, 2, 3, 60, 5, 0, 0), 7);
        row("trapezoidal prism, obtuse B, c beyond a", S::TrapezoidalPrism, {2, 3, 5, 120, 1.5},
            TrapezoidalPrismSolver::solve(2, 3, 5, 120, 1.5, 0, 0), 7);
        row("cylinder", S::Cylinder, {2, 3}, CylinderSolver::solve(3, 0, 2, 0), 3);
        row("cone", S::Cone, {3, 4}, ConeSolver::solve(0, 4, 3, 0), 4);
        row("needle cone", S::Cone, {0.001, 1000}, ConeSolver::solve(0, 1000, 0.001, 0), 4);
        row("pyramid", S::Pyramid, {4, 2, 3}, PyramidSolver::solve(4, 2, 3, 0), 4);
        row("flat pyramid", S::Pyramid, {5e3, 7e3, 1e-3}, PyramidSolver::solve(5e3, 7e3, 1e-3, 0),
            4);
    }
    void netFacesSumToTheSolidsSurface()
    {
        QFETCH(SolidKind, kind);
        QFETCH(QList<double>, values);
        QFETCH(double, surface);
        double sum = 0;
        const std::vector<NetFace> faces = SolidNet::faces(kind, {values.begin(), values.end()});
        QVERIFY(!faces.empty());
        for (const NetFace& face : faces)
            sum += face.area();
        QVERIFY2(
            std::abs(sum - surface) <= 1e-9 * surface,
            qPrintable(QStringLiteral("%1 vs %2").arg(sum, 0, 'g', 17).arg(surface, 0, 'g', 17)));
        // Drawn as it is measured: the outline encloses the face's own area.
        const QRectF box = SolidNet::drawing(kind, {values.begin(), values.end()}, {}).bounds();
        QVERIFY(box.width() * box.height() >= faces.front().area());
    }

    void noNetForTheSphereOrLengthsThatMakeNoSolid_data()
    {
        QTest::addColumn<SolidKind>("kind");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("sphere") << SolidKind::Sphere << QList<double>{2};
        QTest::newRow("zero height") << SolidKind::Cylinder << QList<double>{2, 0};
        QTest::newRow("infinite side") << SolidKind::RectangularPrism << QList<double>{inf, 1, 1};
        QTest::newRow("not a number") << SolidKind::Cone << QList<double>{std::nan(""), 1};
        QTest::newRow("too few values") << SolidKind::TrapezoidalPrism << QList<double>{1, 2, 3};
    }
    void noNetForTheSphereOrLengthsThatMakeNoSolid()
    {
        QFETCH(SolidKind, kind);
        QFETCH(QList<double>, values);
        QVERIFY(SolidNet::faces(kind, {values.begin(), values.end()}).empty());
        QVERIFY(SolidNet::drawing(kind, {values.begin(), values.end()}, {}).isEmpty());
    }

    void wireframeSpansTheSolidsProjection_data()
    {
        QTest::addColumn<SolidKind>("kind");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<double>("yaw");
        QTest::addColumn<double>("pitch");
        QTest::addColumn<QSizeF>("extent");
        const double s = std::sin(20 * std::numbers::pi / 180),
                     c = std::cos(20 * std::numbers::pi / 180);
        using S = SolidKind;
        const auto row = [](const char* name, S kind, const QList<double>& values, double yaw,
                            double pitch, QSizeF extent) {
            QTest::newRow(name) << kind << values << yaw << pitch << extent;
        };
        row("box, front", S::RectangularPrism, {4, 1, 2}, 0, 0, {4, 2});
        row("box, side", S::RectangularPrism, {4, 1, 2}, 90, 0, {1, 2});
        row("box from above", S::RectangularPrism, {4, 1, 2}, 0, 20, {4, 2 * c + s});
        row("cylinder", S::Cylinder, {2, 3}, 33, 20, {4, 3 * c + 4 * s});
        row("cone", S::Cone, {2, 3}, 0, 20, {4, 3 * c + 2 * s});
        row("sphere", S::Sphere, {1.5}, 10, 20, {3, 3});
        row("pyramid, front", S::Pyramid, {4, 2, 3}, 0, 0, {4, 3});
    }
    void wireframeSpansTheSolidsProjection()
    {
        QFETCH(SolidKind, kind);
        QFETCH(QList<double>, values);
        QFETCH(double, yaw);
        QFETCH(double, pitch);
        QFETCH(QSizeF, extent);
        const QRectF box =
            SolidWireframe::drawing(kind, {values.begin(), values.end()}, {}, yaw, pitch).bounds();
        QVERIFY2(std::abs(box.width() - extent.width()) < 1e-6 &&
                     std::abs(box.height() - extent.height()) < 1e-6,
                 qPrintable(QStringLiteral("%1 x %2").arg(box.width()).arg(box.height())));
    }

    void scaleIsThePowerOfTenThatFits_data()
    {
        QTest::addColumn<QSizeF>("extent");
        QTest::addColumn<QString>("text"); // empty: no scale
        QTest::newRow("fits at true size") << QSizeF(40, 10) << "Scale 1:1";
        QTest::newRow("exactly the page") << QSizeF(180, 250) << "Scale 1:1";
        QTest::newRow("a little too wide") << QSizeF(181, 10) << "Scale 1:10";
        QTest::newRow("too tall by far") << QSizeF(10, 25001) << "Scale 1:1000";
        QTest::newRow("tiny") << QSizeF(2, 1) << "Scale 10:1";
        QTest::newRow("a line") << QSizeF(0, 3) << "Scale 10:1";
        QTest::newRow("a point") << QSizeF(0, 0) << QString();
        QTest::newRow("unbounded") << QSizeF(inf, 1) << QString();
        QTest::newRow("astronomical") << QSizeF(1.8e15, 1) << "Scale 1:1e13";
    }
    void scaleIsThePowerOfTenThatFits()
    {
        QFETCH(QSizeF, extent);
        QFETCH(QString, text);
        const std::optional<DrawingScale> scale = DrawingScale::fitting(extent, QSizeF(180, 250));
        QCOMPARE(scale ? scale->text() : QString(), text);
    }

    void sheetHoldsTheFigureAtItsScale_data()
    {
        QTest::addColumn<QRectF>("bounds");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("exponent");
        QTest::addColumn<QSizeF>("figure"); // mm; empty: refused
        QTest::newRow("4 x 1 cm") << QRectF(-3, 2, 4, 1) << int(DrawingUnit::Centimetre) << 0
                                  << QSizeF(40, 10);
        QTest::newRow("2 in at 1:10")
            << QRectF(0, 0, 2, 3) << int(DrawingUnit::Inch) << -1 << QSizeF(5.08, 7.62);
        QTest::newRow("3 m at 1:1, too large")
            << QRectF(0, 0, 6, 1) << int(DrawingUnit::Metre) << 0 << QSizeF();
        QTest::newRow("unbounded")
            << QRectF(0, 0, inf, 1) << int(DrawingUnit::Millimetre) << 0 << QSizeF();
    }
    void sheetHoldsTheFigureAtItsScale()
    {
        QFETCH(QRectF, bounds);
        QFETCH(int, unit);
        QFETCH(int, exponent);
        QFETCH(QSizeF, figure);
        QString why;
        const auto sheet =
            DrawingSheet::make(bounds, DrawingUnit(unit), DrawingScale{exponent}, &why);
        QCOMPARE(sheet.has_value(), !figure.isEmpty());
        if (!sheet) {
            QVERIFY(!why.isEmpty());
            return;
        }
        QVERIFY(std::abs(sheet->figure.width() - figure.width()) < 1e-9);
        QVERIFY(std::abs(sheet->figure.height() - figure.height()) < 1e-9);
        // The bounds' corners land on the figure's place, y turned downwards.
        QCOMPARE(sheet->toPage.map(bounds.topLeft()), sheet->figure.bottomLeft());
        QCOMPARE(sheet->toPage.map(bounds.bottomRight()), sheet->figure.topRight());
        // A whole number of points, with room all round.
        for (double side : {sheet->page.width(), sheet->page.height()}) {
            const double points = side / DrawingSheet::mmPerPoint;
            QVERIFY(std::abs(points - std::round(points)) < 1e-6);
        }
        QVERIFY(QRectF(QPointF(), sheet->page)
                    .adjusted(DrawingSheet::margin, DrawingSheet::margin, -DrawingSheet::margin,
                              -DrawingSheet::margin)
                    .contains(sheet->figure));
    }

    void tilesCoverTheSheetWithoutGap_data()
    {
        QTest::addColumn<QSizeF>("sheet");
        QTest::addColumn<bool>("landscape");
        QTest::addColumn<int>("pages"); // 0: refused
        QTest::newRow("fits one page") << QSizeF(100, 100) << false << 1;
        QTest::newRow("exactly the page") << QSizeF(190, 263) << false << 1;
        QTest::newRow("a hair wider") << QSizeF(190.01, 100) << true << 1;
        QTest::newRow("wide: landscape") << QSizeF(400, 150) << true << 2;
        QTest::newRow("large: landscape needs fewer") << QSizeF(1000, 700) << true << 16;
        QTest::newRow("overlap just fits two") << QSizeF(370, 100) << false << 2;
        QTest::newRow("too many pages") << QSizeF(5000, 5000) << false << 0;
        QTest::newRow("unbounded") << QSizeF(inf, 10) << false << 0;
    }
    void tilesCoverTheSheetWithoutGap()
    {
        QFETCH(QSizeF, sheet);
        QFETCH(bool, landscape);
        QFETCH(int, pages);
        const std::optional<PrintTiling> plan = PrintTiling::plan(sheet, QSizeF(190, 263));
        QCOMPARE(plan ? int(plan->tiles.size()) : 0, pages);
        if (!plan)
            return;
        QCOMPARE(plan->landscape, landscape);
        QCOMPARE(int(plan->tiles.size()), plan->columns * plan->rows);
        const QSizeF paper = landscape ? QSizeF(263, 190) : QSizeF(190, 263);
        for (int i = 0; i < pages; ++i) {
            const QRectF tile = plan->tiles[size_t(i)];
            QCOMPARE(tile.size(), paper);
            const int c = i % plan->columns, r = i / plan->columns;
            // Each tile starts inside its left and upper neighbours, overlapping them.
            if (c > 0)
                QCOMPARE(plan->tiles[size_t(i - 1)].right() - tile.left(), PrintTiling::overlap);
            else
                QCOMPARE(tile.left(), 0.0);
            if (r > 0)
                QCOMPARE(plan->tiles[size_t(i - plan->columns)].bottom() - tile.top(),
                         PrintTiling::overlap);
            else
                QCOMPARE(tile.top(), 0.0);
        }
        QVERIFY(plan->tiles.back().right() >= sheet.width());
        QVERIFY(plan->tiles.back().bottom() >= sheet.height());
    }
};

QTEST_GUILESS_MAIN(DrawingTest)
#include "tst_Drawing.moc"
