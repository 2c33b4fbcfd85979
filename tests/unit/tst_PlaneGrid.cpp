#include "render/PlaneGrid.h"
#include "render/ScaleLabel.h"

#include <QTest>

#include <cmath>

// The scale label and the grid it describes.
class PlaneGridTest : public QObject {
    Q_OBJECT
private slots:
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
};

QTEST_GUILESS_MAIN(PlaneGridTest)
#include "tst_PlaneGrid.moc"
