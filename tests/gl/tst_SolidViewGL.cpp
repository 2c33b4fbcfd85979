#include "support/RecordingAlertPresenter.h"
#include "support/TestHome.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/SupportPaths.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "render/OpenGLWarmUp.h"
#include "render/Render3DCanvas.h"
#include "render/Render3DView.h"
#include "render/SolidViewPicture.h"

#include <QDir>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <memory>
#include <optional>
#include <set>

// Frames of the solid view as OpenGL draws them (under a virtual X server).
class SolidViewGLTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void theWindowIsNotRecreatedForASolid_data();
    void theWindowIsNotRecreatedForASolid();
    void anUnsolvedSolidIsWhite();
    void prismFacesAreTranslucentLightBlueWithBlackEdges();
    void aRestingSmoothSolidIsAntiAliasedAndAMovingOneDrawnOnce();
    void curvedSolidsKeepTheirProportions_data();
    void curvedSolidsKeepTheirProportions();
    void aPictureOfTheViewIsDrawnOffScreenAtUpToFourTimesItsSize();

private:
    void show(const QString& shape, const QStringList& entries, bool calculate = true);
    QImage frame();
    // Draws until an anti-aliased frame is finished.
    QImage finishedFrame();

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Controller> m_controller;
    RecordingAlertPresenter m_alerts;
    Render3DView* m_view = nullptr;
};

void SolidViewGLTest::init()
{
    m_home = std::make_unique<TestHome>();
    // Where a calculation's tape goes, as the launch would have made it.
    QDir().mkpath(SupportPaths::tapesFolder());
    AlertPresenter::setInstance(&m_alerts);
    // Without the grid the solid's own pixels can be told apart.
    UserDefaults defaults;
    for (const QString& key : {DefaultsKeys::gridXYPlane, DefaultsKeys::gridXZPlane,
                               DefaultsKeys::gridZYPlane, DefaultsKeys::gridXYZAxes})
        defaults.setBool(key, false);
    m_window = std::make_unique<MainWindow>();
    m_controller = std::make_unique<Controller>(m_window.get());
    m_controller->applicationDidFinishLaunching();
    m_view = m_window->findChild<Render3DView*>();
    m_window->show();
    m_view->sceneArea()->setFixedSize(200, 150);
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void SolidViewGLTest::cleanup()
{
    m_controller.reset();
    m_window.reset();
    AlertPresenter::setInstance(nullptr);
    m_home.reset();
}

void SolidViewGLTest::show(const QString& shape, const QStringList& entries, bool calculate)
{
    QVERIFY(m_window->selectShape(shape));
    ShapeCalculator* calculator = m_window->calculator(shape);
    for (int i = 0; i < entries.size(); ++i)
        calculator->field(i)->setText(entries[i]);
    if (calculate)
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
    QTRY_VERIFY(m_view->canvas()); // after a launch's warm-up, once it has finished
    QTRY_COMPARE(m_view->canvas()->size(), QSize(200, 150));
    QTRY_VERIFY(m_view->canvas()->isValid()); // its context is made when it is first shown
}

QImage SolidViewGLTest::frame()
{
    return m_view->canvas()->drawnFrame().convertToFormat(QImage::Format_RGB32);
}

QImage SolidViewGLTest::finishedFrame()
{
    QImage image = frame();
    for (int draws = 1; m_view->renderer().refining() && draws < 8; ++draws)
        image = frame();
    return image;
}

void SolidViewGLTest::theWindowIsNotRecreatedForASolid_data()
{
    QTest::addColumn<int>("warmUp");
    QTest::newRow("driver loaded by the view") << 0;
    QTest::newRow("driver loading since launch") << 1;
    QTest::newRow("driver loaded when the solid shows") << 2;
}

// The solid's OpenGL surface is a window of its own: the main window keeps its native
// window (no flicker, no OpenGL composition of the rest). While a warm-up loads the driver
// the window stays responsive, and the solid follows, drawn.
void SolidViewGLTest::theWindowIsNotRecreatedForASolid()
{
    QFETCH(int, warmUp);
    std::optional<OpenGLWarmUp> launch;
    if (warmUp > 0)
        launch.emplace();
    if (warmUp == 1)
        launch->start(Render3DCanvas::surfaceFormat());
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    const WId before = m_window->winId();
    show(QStringLiteral("Cone"), {"1", "2"});
    QCOMPARE(m_window->winId(), before);
    QCOMPARE(m_window->windowHandle()->surfaceType(), QSurface::RasterSurface);
    const QImage image = finishedFrame();
    QVERIFY(image.pixel(100, 75) != qRgb(255, 255, 255));
}

void SolidViewGLTest::anUnsolvedSolidIsWhite()
{
    UserDefaults().setBool(DefaultsKeys::gridXZPlane, true);
    show(QStringLiteral("Rectangular Prism"), {"2", "2", "2"}, false);
    emit NotificationHub::instance().calculateAndDraw3DFigures();
    const QImage image = frame();
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3)
            QCOMPARE(image.pixel(x, y), qRgb(255, 255, 255));
    }
    QCOMPARE(m_view->canvas()->cursor().shape(), Qt::ArrowCursor);
}

void SolidViewGLTest::prismFacesAreTranslucentLightBlueWithBlackEdges()
{
    show(QStringLiteral("Rectangular Prism"), {"2", "2", "2"});
    const QImage image = frame();
    int lightBlue = 0;
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            // White seen through the face colour (0.7529, 0.8706, 1.0) at most 0.7 opaque.
            if (c.blue() == 255 && c.red() < c.green() && c.green() < 255 && c.red() >= 190)
                ++lightBlue;
            if (c.red() < 60 && c.green() < 60 && c.blue() < 60)
                ++dark;
        }
    }
    QVERIFY2(lightBlue > 2000, qPrintable(QString::number(lightBlue)));
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
    QCOMPARE(m_view->renderer().lastScenePasses(), 1);
    QCOMPARE(m_view->canvas()->cursor().shape(), Qt::OpenHandCursor);
}

void SolidViewGLTest::aRestingSmoothSolidIsAntiAliasedAndAMovingOneDrawnOnce()
{
    show(QStringLiteral("Sphere"), {"1"});
    const QImage rest = finishedFrame();
    QCOMPARE(m_view->renderer().lastScenePasses(), 4);
    // The first frame of a changed scene is one rendering, shown at once; the next three
    // finish it.
    m_view->motion().setAngle(SolidKind::Sphere, m_view->motion().angle(SolidKind::Sphere) + 30);
    frame();
    QCOMPARE(m_view->renderer().lastScenePasses(), 1);
    QVERIFY(m_view->renderer().refining());
    finishedFrame();
    m_view->motion().setAngle(SolidKind::Sphere, m_view->motion().angle(SolidKind::Sphere) - 30);

    // A drag under way (no movement yet): the same scene in a single pass.
    m_view->setPointerSource([] { return 100.0; });
    m_view->mouseDown(100);
    m_view->mouseDragged(100);
    const QImage moving = frame();
    QCOMPARE(m_view->renderer().lastScenePasses(), 1);

    // Across the sphere's edge the resting frame blends the four passes: it holds
    // shades the single pass does not have.
    std::set<QRgb> restShades;
    std::set<QRgb> movingShades;
    for (int y = 0; y < rest.height(); ++y) {
        for (int x = 0; x < rest.width(); ++x) {
            restShades.insert(rest.pixel(x, y));
            movingShades.insert(moving.pixel(x, y));
        }
    }
    QVERIFY(rest != moving);
    QVERIFY2(
        restShades.size() > movingShades.size(),
        qPrintable(QStringLiteral("%1 vs %2").arg(restShades.size()).arg(movingShades.size())));

    // Released without a flick: the next frame is anti-aliased again.
    m_view->mouseUp(100);
    QTRY_VERIFY(!m_view->mouseDidDrag());
    QCOMPARE(finishedFrame(), rest);
    QCOMPARE(m_view->renderer().lastScenePasses(), 4);

    // Spinning: every frame one pass, the angle moving on.
    m_view->motion().setSpin(SolidKind::Sphere, 0.5f);
    const float before = m_view->motion().angle(SolidKind::Sphere);
    frame();
    QCOMPARE(m_view->renderer().lastScenePasses(), 1);
    QVERIFY(m_view->motion().angle(SolidKind::Sphere) != before);

    // Cleared while a resting frame is being finished: nothing is left to refine, so the
    // view stops asking for frames.
    m_view->motion().setSpin(SolidKind::Sphere, 0);
    frame();
    QVERIFY(m_view->renderer().refining());
    m_window->calculator(QStringLiteral("Sphere"))->clearFields(false);
    frame();
    QVERIFY(!m_view->renderer().refining());
}

void SolidViewGLTest::curvedSolidsKeepTheirProportions_data()
{
    QTest::addColumn<QString>("shape");
    QTest::addColumn<QStringList>("entries"); // outlet=text
    QTest::addColumn<double>("least");        // width over height of what is drawn
    QTest::addColumn<double>("most");
    // The cylinder lies along the view, turned a little; the cone stands upright.
    QTest::newRow("long cylinder")
        << "Cylinder" << QStringList{"radiusTextField=1", "heightTextField=6"} << 1.5 << 9.0;
    QTest::newRow("flat cylinder")
        << "Cylinder" << QStringList{"radiusTextField=3", "heightTextField=0.5"} << 0.3 << 1.0;
    QTest::newRow("tall cone") << "Cone" << QStringList{"radiusTextField=1", "HeigthHTextField=6"}
                               << 0.1 << 0.5;
    QTest::newRow("flat cone") << "Cone" << QStringList{"radiusTextField=3", "HeigthHTextField=1"}
                               << 2.0 << 9.0;
    QTest::newRow("sphere") << "Sphere" << QStringList{"radiusTextField=2"} << 0.9 << 1.1;
}

// The curved solids' surfaces are drawn at unit size and scaled to the solid's own: what is
// drawn keeps the proportions the values give.
void SolidViewGLTest::curvedSolidsKeepTheirProportions()
{
    QFETCH(QString, shape);
    QFETCH(QStringList, entries);
    QFETCH(double, least);
    QFETCH(double, most);
    QVERIFY(m_window->selectShape(shape));
    ShapeCalculator* calculator = m_window->calculator(shape);
    for (const QString& entry : entries)
        calculator->fieldByOutlet(entry.section('=', 0, 0))->setText(entry.section('=', 1));
    QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
    QTRY_VERIFY(m_view->canvas() && m_view->canvas()->isValid());
    const QImage image = finishedFrame();
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                drawn |= QRect(x, y, 1, 1);
        }
    }
    QVERIFY(!drawn.isEmpty());
    const double ratio = double(drawn.width()) / drawn.height();
    QVERIFY2(ratio >= least && ratio <= most,
             qPrintable(QStringLiteral("%1 × %2").arg(drawn.width()).arg(drawn.height())));
}

void SolidViewGLTest::aPictureOfTheViewIsDrawnOffScreenAtUpToFourTimesItsSize()
{
    show(QStringLiteral("Sphere"), {"1"});
    const QImage rest = finishedFrame();
    const float angle = m_view->motion().angle(SolidKind::Sphere);
    // At the window's size the picture is the resting view itself, smoothed the same way.
    const QImage picture = SolidViewPicture::render(*m_view, 1);
    QCOMPARE(picture, rest);
    QCOMPARE(m_view->renderer().lastScenePasses(), 4);
    QCOMPARE(SolidViewPicture::render(*m_view, 3).size(), QSize(600, 450));
    QCOMPARE(SolidViewPicture::render(*m_view, 9).size(), QSize(800, 600));
    QCOMPARE(m_view->motion().angle(SolidKind::Sphere), angle);
    // The view still draws itself as before.
    QCOMPARE(finishedFrame(), rest);
}

QTEST_MAIN(SolidViewGLTest)
#include "tst_SolidViewGL.moc"
