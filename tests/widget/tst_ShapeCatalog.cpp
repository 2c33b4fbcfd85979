#include "app/ShapeCatalog.h"
#include "core/TextField.h"

#include <QFile>
#include <QSet>
#include <QTest>

#include <memory>

// The shape table is the one place a shape is wired: every row must resolve whole.
class ShapeCatalogTest : public QObject {
    Q_OBJECT
private slots:
    void everyRowResolvesCompletely_data()
    {
        QTest::addColumn<int>("row");
        for (size_t i = 0; i < ShapeCatalog::shapes().size(); ++i)
            QTest::newRow(ShapeCatalog::shapes()[i].name) << int(i);
    }
    void everyRowResolvesCompletely()
    {
        QFETCH(int, row);
        const ShapeEntry& entry = ShapeCatalog::shapes().at(size_t(row));
        const std::unique_ptr<ShapeCalculator> calculator(entry.createCalculator());
        QCOMPARE(QString(calculator->shapeName()), QString(entry.name));
        QCOMPARE(calculator->dimension(), entry.dimension);
        QCOMPARE(std::holds_alternative<PlaneFigureLayout::Figure>(entry.figure.kind),
                 entry.dimension == ShapeCalculator::Dimension::Plane);
        QVERIFY(!entry.figure.quantities.empty());
        for (const char* outlet : entry.figure.quantities)
            QVERIFY2(calculator->fieldByOutlet(outlet), outlet);
        QVERIFY(calculator->fieldByOutlet(entry.figure.layoutKey));
        QVERIFY(!entry.figure.drawKey || calculator->fieldByOutlet(entry.figure.drawKey));
        QVERIFY(QFile::exists(QStringLiteral(":/%1.rtfd/TXT.rtf").arg(entry.infoResource)));
        QVERIFY(QFile::exists(QStringLiteral(":/%1").arg(entry.dockPicture)));
        QCOMPARE(ShapeCatalog::find(entry.name), &entry);
    }
    void everyFigureKindServesOneShape()
    {
        QSet<QPair<size_t, int>> kinds;
        for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
            const int kind = std::visit([](auto value) { return int(value); }, entry.figure.kind);
            QVERIFY2(!kinds.contains({entry.figure.kind.index(), kind}), entry.name);
            kinds.insert({entry.figure.kind.index(), kind});
        }
        QCOMPARE(kinds.size(), 15);
    }
};

QTEST_MAIN(ShapeCatalogTest)
#include "tst_ShapeCatalog.moc"
