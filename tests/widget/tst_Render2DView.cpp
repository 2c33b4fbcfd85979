#include "widget/ShellTest.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/TextField.h"
#include "render/PlaneFigurePainter.h"
#include "render/Render2DView.h"

#include <QApplication>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <optional>

namespace {

// Counts the view's paint events.
class PaintCounter : public QObject {
public:
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

bool near(int actual, int expected)
{
    return std::abs(actual - expected) <= 3;
}

} // namespace

// The plane-figure view in the real window: what it paints for a solved figure, and when
// it paints nothing.
class Render2DViewTest : public ShellTest {
    Q_OBJECT
private slots:
    void solvedFigureIsOutlinedBlackAndFilledBlueOnWhite_data()
    {
        QTest::addColumn<QString>("shape");
        QTest::addColumn<QStringList>("assignments");

        const auto row = [](const char* name, const char* shape, const char* assignments) {
            QTest::newRow(name) << QString(shape) << QString(assignments).split(' ');
        };
        row("ellipse", "Ellipse", "RadiusATextField=1 RadiusBTextField=3");
        row("circle", "Circle", "radiusTextField=5");
        row("rectangle", "Rectangle", "sideATextField=4 sideBTextField=1");
        row("square", "Square", "sideATextField=7");
        row("triangle", "Triangle", "sideATextField=3 sideBTextField=4 sideCTextField=5");
        row("trapezium", "Trapezium",
            "sideATextField=6 heightHTextField=2 angleATextField=60 angleBTextField=70");
        row("parallelogram", "Parallelogram",
            "sideATextField=5 sideBTextField=3 angleATextField=60");
        row("regular polygon", "Regular Polygon", "xsidesNTextField=6 xsideTextField=1");
        row("regular polygon as a circle", "Regular Polygon",
            "xsidesNTextField=61 xsideTextField=1");
    }
    void solvedFigureIsOutlinedBlackAndFilledBlueOnWhite()
    {
        QFETCH(QString, shape);
        QFETCH(QStringList, assignments);
        solve(shape, assignments);
        QVERIFY(app().alerts().alerts().empty());
        const QImage image = grabView();
        const PlaneLayout& layout = view()->layout();
        QVERIFY(!layout.isEmpty());
        QVERIFY(!window().scaleStringTextField()->text().isEmpty());
        const double spacing = view()->scaleLabel().gridSpacing;
        const QPainterPath outline = PlaneFigurePainter::outlinePath(layout);

        // Inside: the middle of a grid square near the figure's middle, clear of grid lines
        // and of the outline.
        QPointF middle = outline.boundingRect().center();
        if (!layout.points.empty()) {
            middle = QPointF();
            for (const QPointF& p : layout.points)
                middle += p / double(layout.points.size());
        }
        const QPointF origin = layout.gridOrigin;
        const auto isClearlyInside = [&](const QPointF& p) {
            for (const QPointF& d :
                 {QPointF(3, 3), QPointF(-3, 3), QPointF(3, -3), QPointF(-3, -3)}) {
                if (!outline.contains(p + d))
                    return false;
            }
            return true;
        };
        std::optional<QPointF> inside;
        for (int i = -1; i <= 1 && !inside; ++i) {
            for (int j = -1; j <= 1 && !inside; ++j) {
                const QPointF cell(
                    origin.x() +
                        (std::floor((middle.x() - origin.x()) / spacing) + 0.5 + i) * spacing,
                    origin.y() +
                        (std::floor((middle.y() - origin.y()) / spacing) + 0.5 + j) * spacing);
                if (isClearlyInside(cell))
                    inside = cell;
            }
        }
        QVERIFY(inside);
        const QRgb fill = pixelAt(image, *inside);
        // The translucent blue over white.
        QVERIFY2(near(qRed(fill), 192) && near(qGreen(fill), 222) && near(qBlue(fill), 255),
                 qPrintable(QColor(fill).name()));

        // On the outline: the darkest pixel about the midpoint of the bottom (or left) edge.
        const QRectF bounds = outline.boundingRect();
        QPointF onEdge = outline.pointAtPercent(0);
        if (layout.outline == PlaneLayout::Outline::Rectangle)
            onEdge = QPointF(bounds.center().x(), bounds.top()); // y-up: top() is the bottom
        else if (layout.outline == PlaneLayout::Outline::Polygon && layout.shiftPoints)
            onEdge = (layout.points.front() + layout.points.back()) / 2 + QPointF(0.5, 0.5);
        int darkest = 255 * 3;
        QRgb darkestPixel = 0;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const QRgb p = pixelAt(image, onEdge + QPointF(dx, dy));
                if (qRed(p) + qGreen(p) + qBlue(p) < darkest) {
                    darkest = qRed(p) + qGreen(p) + qBlue(p);
                    darkestPixel = p;
                }
            }
        }
        // Black, half covered by the fill: no channel comes near the fill's or the grid's.
        QVERIFY2(qRed(darkestPixel) < 90 && qGreen(darkestPixel) < 110 && qBlue(darkestPixel) < 140,
                 qPrintable(QColor(darkestPixel).name()));

        // Outside, in the margin: the white background shows between the grid lines.
        int white = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < 15; ++x)
                white += isWhite(image.pixel(x, y));
        }
        QVERIFY(white > image.height() * 15 / 4);
    }
    void withNothingToDrawTheViewIsPlainWhite_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::addColumn<bool>("labelKept");
        QTest::newRow("a figure matching no case") << "flat" << false;
        QTest::newRow("a shape with nothing entered") << "unsolved" << false;
        QTest::newRow("a solved figure cleared") << "cleared" << false;
        QTest::newRow("the graphics panel closed") << "closed" << true;
    }
    void withNothingToDrawTheViewIsPlainWhite()
    {
        QFETCH(QString, cause);
        QFETCH(bool, labelKept);
        ShapeCalculator* triangle =
            solve("Triangle", {"sideATextField=3", "sideBTextField=4", "sideCTextField=5"});
        const QString label = window().scaleStringTextField()->text();
        QVERIFY(!label.isEmpty() && !view()->layout().isEmpty());
        if (cause == "flat") {
            // The fields as a calculation might show them: sides that, rounded, fail the
            // strict inequality, and an angle far from acute.
            const std::pair<const char*, const char*> flat[] = {
                {"sideATextField", "2"},     {"sideBTextField", "1.00"}, {"sideCTextField", "1.00"},
                {"angleATextField", "179"},  {"angleBTextField", "0.5"}, {"angleCTextField", "0.5"},
                {"yHeightTextField", "0.01"}};
            for (const auto& [outlet, text] : flat)
                triangle->fieldByOutlet(outlet)->setText(text);
        } else if (cause == "unsolved") {
            window().selectShape("Regular Polygon");
        } else if (cause == "cleared") {
            triangle->clearFields(false);
        } else {
            app().controller().toggleGraphicsDrawer();
            QVERIFY(window().graphicsDrawer()->isHidden());
        }
        emit NotificationHub::instance().calculateAndDraw2DFigures();
        const QImage image = grabView();
        QCOMPARE(window().scaleStringTextField()->text(), labelKept ? label : QString());
        QVERIFY(cause == "closed" || view()->layout().isEmpty());
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(isWhite(image.pixel(x, y)));
        }
    }
    void notificationRedrawsOnceWithoutALoop()
    {
        solve("Rectangle", {"sideATextField=4", "sideBTextField=1"});
        QApplication::processEvents();
        PaintCounter counter;
        view()->installEventFilter(&counter);
        // A draw pass lays the figure out again; that must not ask for another pass.
        view()->repaint();
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(counter.count, 1);
        // Notifications ask for a redraw, which the toolkit coalesces.
        emit NotificationHub::instance().calculateAndDraw2DFigures();
        emit NotificationHub::instance().calculateAndDraw2DFigures();
        QApplication::processEvents();
        QApplication::processEvents();
        QCOMPARE(counter.count, 2);
    }

private:
    void launched() override
    {
        view()->setFixedSize(440, 240);
        QVERIFY(!window().graphicsDrawer()->isHidden());
    }
    ShapeCalculator* solve(const QString& shape, const QStringList& assignments)
    {
        app().show(shape);
        return app().calculate(shape, assignments);
    }
    QImage grabView()
    {
        QApplication::processEvents();
        return view()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }
    Render2DView* view() { return window().render2DView(); }
    // The pixel that holds a point given in the view's y-up coordinates.
    static QRgb pixelAt(const QImage& image, QPointF point)
    {
        return image.pixel(int(point.x()), image.height() - 1 - int(point.y()));
    }
};

QTEST_MAIN(Render2DViewTest)
#include "tst_Render2DView.moc"
