#include "support/ExportedSize.h"
#include "widget/ShellTest.h"

#include "app/DrawingCommands.h"
#include "app/MainWindow.h"
#include "core/Notices.h"
#include "core/ShapeCalculator.h"
#include "drawing/DrawingPrinter.h"
#include "drawing/PrintTiling.h"

#include <QAction>
#include <QFile>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <numbers>

namespace {

bool near(double actual, double expected, double tolerance = 0.1)
{
    return std::abs(actual - expected) <= tolerance;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Drawings of the solved shape on show, exported and printed at true size from the real
// window.
class DrawingExportTest : public ShellTest {
    Q_OBJECT
private slots:
    void actionsWaitForASolvedShape()
    {
        QAction* exportAction = window().action(MainWindow::Action::ExportDrawing);
        QAction* printAction = window().action(MainWindow::Action::PrintDrawing);
        app().show(QStringLiteral("Rectangle"));
        QVERIFY(!exportAction->isEnabled() && !printAction->isEnabled());
        QVERIFY(exportAction->toolTip().contains(QLatin1String("Calculate")));
        ShapeCalculator* rectangle =
            app().calculate(QStringLiteral("Rectangle"), {"sideATextField=4", "sideBTextField=1"});
        QVERIFY(exportAction->isEnabled() && printAction->isEnabled());
        QTest::mouseClick(rectangle->clearButton(), Qt::LeftButton);
        QVERIFY(!exportAction->isEnabled());
        // A sphere has no net, but the wireframe of its view.
        app().show(QStringLiteral("Sphere"));
        QVERIFY(!exportAction->isEnabled());
        app().calculate(QStringLiteral("Sphere"), {"radiusTextField=1"});
        QVERIFY(exportAction->isEnabled());
        QString why;
        QVERIFY(!window().drawingCommands()->drawing(DrawingCommands::Subject::Net, &why));
        QVERIFY(why.contains(QLatin1String("net")));
    }

    void everyPlaneFigureIsExportedAtTrueSize_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<QSizeF>("figure"); // mm, at 1 unit = 1 cm
        QTest::addColumn<QStringList>("labels");
        const auto row = [](const char* name, const char* shape, const char* entries, QSizeF figure,
                            const char* labels) {
            QTest::newRow(name) << QString(shape) << QString(entries).split(' ') << figure
                                << QString(labels).split('|');
        };
        row("rectangle 4 x 1", "Rectangle", "sideATextField=4 sideBTextField=1", {40, 10},
            "a = 4 cm|b = 1 cm|A|C");
        row("square", "Square", "sideATextField=3", {30, 30}, "a = 3 cm");
        row("circle", "Circle", "radiusTextField=2", {40, 40}, "r = 2 cm");
        row("ellipse, b across", "Ellipse", "RadiusATextField=1 RadiusBTextField=3", {60, 20},
            "a = 1 cm|b = 3 cm");
        row("triangle 5, 4, 3", "Triangle", "sideATextField=5 sideBTextField=4 sideCTextField=3",
            {50, 24}, "a = 5 cm|b = 4 cm|c = 3 cm|h = 2.4 cm|B");
        row("trapezium", "Trapezium",
            "sideATextField=6 sideCTextField=2 heightHTextField=2 angleATextField=45", {60, 20},
            "a = 6 cm|c = 2 cm|h = 2 cm|D");
        row("parallelogram", "Parallelogram",
            "sideATextField=5 sideBTextField=2 angleATextField=60", {60, 10 * std::sqrt(3.0)},
            "a = 5 cm|b = 2 cm");
        row("square as a regular polygon", "Regular Polygon",
            "xsidesNTextField=4 xradiusATextField=2", {20 * std::sqrt(2.0), 20 * std::sqrt(2.0)},
            "r = 2 cm");
    }
    void everyPlaneFigureIsExportedAtTrueSize()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, entries);
        QFETCH(QSizeF, figure);
        QFETCH(QStringList, labels);
        app().show(shape);
        app().calculate(shape, entries);
        DrawingCommands& commands = *window().drawingCommands();
        DrawingOptions cm;
        cm.unit = DrawingUnit::Centimetre;
        for (DrawingExport::Format format :
             {DrawingExport::Format::Svg, DrawingExport::Format::Pdf}) {
            const QString path =
                QDir::home().filePath(QStringLiteral("figure.") + DrawingExport::suffix(format));
            DrawingSheet sheet;
            QVERIFY(
                commands.exportTo(path, DrawingCommands::Subject::PlaneFigure, format, cm, &sheet));
            QVERIFY2(near(sheet.figure.width(), figure.width()) &&
                         near(sheet.figure.height(), figure.height()),
                     qPrintable(QStringLiteral("%1 x %2")
                                    .arg(sheet.figure.width())
                                    .arg(sheet.figure.height())));
            const std::optional<QSizeF> page = ExportedSize::ofFile(path);
            QVERIFY(page);
            // The page is the figure with the sheet's frame around it, nothing else.
            QVERIFY(
                near(page->width() - (sheet.page.width() - sheet.figure.width()), figure.width()));
            QVERIFY(near(page->height() - (sheet.page.height() - sheet.figure.height()),
                         figure.height()));
            if (format == DrawingExport::Format::Svg) {
                const QString svg = QString::fromUtf8(contents(path));
                for (const QString& label : labels)
                    QVERIFY2(svg.contains(QLatin1Char('>') + label + QLatin1Char('<')),
                             qPrintable(label));
                QVERIFY(svg.contains(QLatin1String(">Scale 1:1, cm<")));
            }
        }
    }

    void aNetIsExportedAtTrueSize()
    {
        app().show(QStringLiteral("Cylinder"));
        app().calculate(QStringLiteral("Cylinder"), {"radiusTextField=2", "heightTextField=3"});
        DrawingOptions mm;
        mm.unit = DrawingUnit::Millimetre;
        const QString path = QDir::home().filePath(QStringLiteral("net.png"));
        DrawingSheet sheet;
        QVERIFY(window().drawingCommands()->exportTo(path, DrawingCommands::Subject::Net,
                                                     DrawingExport::Format::Png, mm, &sheet));
        // Unrolled side 2πr wide; the discs above and below it.
        QVERIFY(near(sheet.figure.width(), 4 * std::numbers::pi, 1e-6));
        QVERIFY(near(sheet.figure.height(), 3 + 4 * 2, 1e-6));
        const std::optional<QSizeF> size = ExportedSize::ofFile(path);
        QVERIFY(size && near(size->width(), sheet.page.width()) &&
                near(size->height(), sheet.page.height()));
    }

    void aFailedExportSaysWhyAndLeavesNothing_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("missing folder") << "missing/figure.pdf";
        QTest::newRow("a folder in its place") << "folder.pdf";
    }
    void aFailedExportSaysWhyAndLeavesNothing()
    {
        QFETCH(QString, target);
        QVERIFY(QDir::home().mkpath(QStringLiteral("folder.pdf")));
        app().show(QStringLiteral("Circle"));
        app().calculate(QStringLiteral("Circle"), {"radiusTextField=2"});
        const QString path = QDir::home().filePath(target);
        Notices::instance().reset();
        QVERIFY(!window().drawingCommands()->exportTo(path, DrawingCommands::Subject::PlaneFigure,
                                                      DrawingExport::Format::Pdf, {}));
        QCOMPARE(Notices::instance().history().size(), 1);
        QVERIFY(Notices::instance().history().front().contains(path));
        QVERIFY(!QFileInfo(path).isFile());
        QCOMPARE(QDir::home().entryList(QDir::Files), QStringList());
    }

    void aLargeFigureIsPrintedOnOverlappingPages()
    {
        app().show(QStringLiteral("Rectangle"));
        app().calculate(QStringLiteral("Rectangle"), {"sideATextField=40", "sideBTextField=30"});
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString path = QDir::home().filePath(QStringLiteral("printed.pdf"));
        printer.setOutputFileName(path);
        printer.setPageSize(QPageSize(QPageSize::A4));
        DrawingOptions cm;
        cm.unit = DrawingUnit::Centimetre;
        QVERIFY(window().drawingCommands()->printTo(printer, cm));
        const QByteArray pdf = contents(path);
        // Tiled over the printable area in the orientation that needs fewer pages, each
        // page losing the band of its check line.
        DrawingCommands& commands = *window().drawingCommands();
        const auto sheet = DrawingCommands::sheetFor(
            *commands.drawing(DrawingCommands::Subject::PlaneFigure, nullptr), cm, nullptr);
        const QRectF printable = printer.pageLayout().paintRect(QPageLayout::Millimeter);
        const auto plan =
            PrintTiling::plan(sheet->page, QSizeF(std::min(printable.width(), printable.height()),
                                                  std::max(printable.width(), printable.height()) -
                                                      DrawingPrinter::checkBandMm));
        QVERIFY(plan && plan->tiles.size() > 1);
        QCOMPARE(pdf.count("/Type /Page\n"), qsizetype(plan->tiles.size()));
    }
};

QTEST_MAIN(DrawingExportTest)
#include "tst_DrawingExport.moc"
