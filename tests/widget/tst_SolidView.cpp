#include "support/RecordingAlertPresenter.h"
#include "support/TestHome.h"

#include "app/Controller.h"
#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/ShapeCalculator.h"
#include "core/SupportPaths.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "render/Render3DView.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

// The solid view in the real window on a platform without OpenGL: it must not crash,
// must say why nothing is drawn, and must still lay solids out, keep its switches and
// turn and spin solids by the mouse.
class SolidViewTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_home = std::make_unique<TestHome>();
        // Where a calculation's tape goes, as the launch would have made it.
        QDir().mkpath(SupportPaths::tapesFolder());
        AlertPresenter::setInstance(&m_alerts);
        m_window = std::make_unique<MainWindow>();
        m_controller = std::make_unique<Controller>(m_window.get());
        m_controller->applicationDidFinishLaunching();
        m_view = m_window->findChild<Render3DView*>();
        QVERIFY(m_view);
        m_window->show();
        m_view->sceneArea()->setFixedSize(400, 300);
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup()
    {
        m_controller.reset();
        m_window.reset();
        AlertPresenter::setInstance(nullptr);
        m_home.reset();
    }

    void withoutOpenGLShowsANoteAndStillLaysOut()
    {
        calculate(QStringLiteral("Rectangular Prism"), {"2", "2", "2"});
        QVERIFY(!m_view->canvas());
        QVERIFY(m_view->unavailableNote() && m_view->unavailableNote()->isVisible());
        QCOMPARE(m_view->layout().xValue, 1.0f);
        QVERIFY(std::fabs(m_view->layout().fov - 53.317f) < 1e-3);
        QCOMPARE(m_view->scaleStringTextField->text(), QStringLiteral("Scale 10:1"));
        // A smaller view packs the squares closer: the label follows the reshape.
        m_view->sceneArea()->setFixedSize(300, 50);
        QCoreApplication::processEvents();
        QCOMPARE(m_view->scaleStringTextField->text(), QStringLiteral("Scale 1:1"));
    }
    void anUnsolvedSolidLeavesTheLabelEmpty()
    {
        calculate(QStringLiteral("Sphere"), {"3"});
        QCOMPARE(m_view->layout().gridScalingFactor, 6.0);
        QVERIFY(!m_view->scaleStringTextField->text().isEmpty());
        QTest::mouseClick(m_window->calculator(QStringLiteral("Sphere"))->clearButton(),
                          Qt::LeftButton);
        QVERIFY(m_view->scaleStringTextField->text().isEmpty());
    }
    void gridSwitchesDefaultToOnAndAreStoredAtOnce()
    {
        UserDefaults defaults;
        for (const QString& key : {DefaultsKeys::gridXYPlane, DefaultsKeys::gridXZPlane,
                                   DefaultsKeys::gridZYPlane, DefaultsKeys::gridXYZAxes})
            QVERIFY(defaults.boolForKey(key));
        QVERIFY(m_view->xzPlaneSwitch->isChecked());
        QSignalSpy posts(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures);
        m_window->selectShape(QStringLiteral("Cone"));
        m_view->xzPlaneSwitch->click();
        QVERIFY(!defaults.boolForKey(DefaultsKeys::gridXZPlane));
        QVERIFY(defaults.boolForKey(DefaultsKeys::gridXYPlane));
        QVERIFY(posts.count() > 0);
        QCOMPARE(m_view->xzPlaneSwitch->property("tag").toInt(), 1);
        QCOMPARE(m_view->xyzAxesSwitch->property("tag").toInt(), 4);
    }
    void aFlickSpinsAndAClickStops()
    {
        calculate(QStringLiteral("Cylinder"), {"1", "10"});
        SolidMotion& motion = m_view->motion();
        double pointer = 0;
        m_view->setPointerSource([&] { return pointer; });
        m_view->mouseDown(100);
        m_view->mouseDragged(130);
        QCOMPARE(motion.angle(SolidKind::Cylinder), -20.0f);
        QVERIFY(m_view->mouseDidDrag());
        pointer = 130 + 7; // moved on by 7 pixels in the moment after the release
        m_view->mouseUp(130);
        QVERIFY(!m_view->isSpinning());
        QTRY_VERIFY(m_view->isSpinning());
        QCOMPARE(motion.spin(SolidKind::Cylinder), 0.1f);
        // Another solid keeps its own angle and rest.
        QCOMPARE(motion.angle(SolidKind::Cone), SolidMotion::initialAngle);
        QCOMPARE(motion.spin(SolidKind::Cone), 0.0f);

        m_view->mouseDown(50);
        QVERIFY(!m_view->isSpinning());
        m_view->mouseUp(50);
        QCOMPARE(motion.spin(SolidKind::Cylinder), 0.0f);
        QCOMPARE(motion.angle(SolidKind::Cylinder), -20.0f);
        // A still click leaves no flick to measure, so nothing can set it spinning later.
        QVERIFY(!m_view->mouseDidDrag());
        QVERIFY(!m_view->isSpinning());
    }
    void aReleaseWithoutMovementLeavesTheSolidStill()
    {
        calculate(QStringLiteral("Pyramid"), {"2", "2", "2"});
        m_view->setPointerSource([] { return 90.0; });
        m_view->mouseDown(60);
        m_view->mouseDragged(90);
        m_view->mouseUp(90);
        QTRY_VERIFY(!m_view->mouseDidDrag());
        QCOMPARE(m_view->motion().spin(SolidKind::Pyramid), 0.0f);
        QVERIFY(!m_view->isSpinning());
        QCOMPARE(m_view->motion().angle(SolidKind::Pyramid), -20.0f);
    }
    void minimisingStopsTheSpinAndRestoringResumesIt()
    {
        calculate(QStringLiteral("Sphere"), {"3"});
        m_view->motion().setSpin(SolidKind::Sphere, 0.5f);
        m_view->setupRenderTimer();
        m_window->setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!m_view->isSpinning());
        m_window->setWindowState(Qt::WindowNoState);
        QTRY_VERIFY(m_view->isSpinning());
        // A solid at rest does not need the timer after a restore.
        m_view->mouseDown(10);
        m_view->mouseUp(10);
        m_window->setWindowState(Qt::WindowMinimized);
        QCoreApplication::processEvents();
        m_window->setWindowState(Qt::WindowNoState);
        QCoreApplication::processEvents();
        QVERIFY(!m_view->isSpinning());
    }

private:
    void calculate(const QString& shape, const QStringList& entries)
    {
        QVERIFY(m_window->selectShape(shape));
        ShapeCalculator* calculator = m_window->calculator(shape);
        for (int i = 0; i < entries.size(); ++i)
            calculator->field(i)->setText(entries[i]);
        QTest::mouseClick(calculator->calculateButton(), Qt::LeftButton);
        QCoreApplication::processEvents();
    }

    std::unique_ptr<TestHome> m_home;
    std::unique_ptr<MainWindow> m_window;
    std::unique_ptr<Controller> m_controller;
    RecordingAlertPresenter m_alerts;
    Render3DView* m_view = nullptr;
};

QTEST_MAIN(SolidViewTest)
#include "tst_SolidView.moc"
