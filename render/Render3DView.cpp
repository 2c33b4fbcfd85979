#include "render/Render3DView.h"

#include "core/Localization.h"
#include "core/NotificationHub.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "render/OpenGLWarmUp.h"
#include "render/Render3DCanvas.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QCursor>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QPalette>
#include <QShowEvent>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWindow>

namespace {

constexpr int drawerOpen = 1;
constexpr int fadeOn = 2;
// Sixty redraws a second while a solid spins.
constexpr int renderInterval = 1000 / 60;
// A flick is measured by where the pointer is just over a hundredth of a second after
// the release.
constexpr int releaseWait = 11;

// Whether an OpenGL context of the solid view's kind can be made here at all. Asked
// before any OpenGL widget joins the window: a window that gets one composes through
// OpenGL from then on, which a platform without OpenGL cannot do. The context a warm-up
// made is asked instead of a new one.
bool openGLAvailable()
{
    std::unique_ptr<QOpenGLContext> context;
    if (OpenGLWarmUp* warmUp = OpenGLWarmUp::pending())
        context = warmUp->take();
    if (!context || !context->isValid()) {
        context = std::make_unique<QOpenGLContext>();
        context->setFormat(Render3DCanvas::surfaceFormat());
        if (!context->create())
            return false;
    }
    QOffscreenSurface surface;
    surface.setFormat(context->format());
    surface.create();
    const bool usable = surface.isValid() && context->makeCurrent(&surface);
    if (usable)
        context->doneCurrent();
    return usable;
}

} // namespace

Render3DView::Render3DView(QWidget* parent)
    : QWidget(parent), scaleStringTextField(new QLabel), m_sceneArea(new QWidget),
      m_sceneStack(new QStackedLayout(m_sceneArea))
{
    setObjectName(QStringLiteral("render3DView"));
    scaleStringTextField->setObjectName(QStringLiteral("scaleStringTextField"));
    m_sceneArea->setObjectName(QStringLiteral("render3DSceneArea"));
    m_sceneArea->setMinimumSize(120, 90);
    // White like the scene's own frames, so nothing flashes while the OpenGL driver loads.
    QPalette scenePalette = m_sceneArea->palette();
    scenePalette.setColor(QPalette::Window, Qt::white);
    m_sceneArea->setPalette(scenePalette);
    m_sceneArea->setAutoFillBackground(true);
    m_sceneArea->installEventFilter(this);

    xyPlaneSwitch = createSwitch(QT_TRANSLATE_NOOP("Polymetra", "xy Plane"), XYPlaneTag,
                                 DefaultsKeys::gridXYPlane);
    xzPlaneSwitch = createSwitch(QT_TRANSLATE_NOOP("Polymetra", "xz Plane"), XZPlaneTag,
                                 DefaultsKeys::gridXZPlane);
    zyPlaneSwitch = createSwitch(QT_TRANSLATE_NOOP("Polymetra", "zy Plane"), ZYPlaneTag,
                                 DefaultsKeys::gridZYPlane);
    xyzAxesSwitch =
        createSwitch(QT_TRANSLATE_NOOP("Polymetra", "Axes"), XYZAxesTag, DefaultsKeys::gridXYZAxes);

    auto* side = new QVBoxLayout;
    side->addWidget(scaleStringTextField);
    for (QCheckBox* box : {xyPlaneSwitch, xzPlaneSwitch, zyPlaneSwitch, xyzAxesSwitch})
        side->addWidget(box);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_sceneArea, 1);
    layout->addLayout(side);

    renderTimer.setTimerType(Qt::PreciseTimer);
    renderTimer.setInterval(renderInterval);
    connect(&renderTimer, &QTimer::timeout, this, &Render3DView::requestRedisplay);
    m_releaseWait.setSingleShot(true);
    m_releaseWait.setTimerType(Qt::PreciseTimer);
    m_releaseWait.setInterval(releaseWait);
    connect(&m_releaseWait, &QTimer::timeout, this, &Render3DView::measureSpin);
    m_pointerX = [this] { return window()->mapFromGlobal(QCursor::pos()).x(); };
    awakeFromNib();
}

Render3DView::~Render3DView()
{
    // The canvas frees its GL objects through the renderer, which must outlive it.
    delete m_canvasHolder;
}

QCheckBox* Render3DView::createSwitch(const char* text, SwitchTag tag, const QString& key)
{
    auto* box = new QCheckBox(localized(text));
    box->setProperty("tag", int(tag));
    box->setObjectName(key);
    box->setToolTip(tag == XYZAxesTag ? localized("Shows the x, y and z axes.")
                                      : localized("Shows a grid in this plane, spaced as the "
                                                  "scale label says."));
    connect(box, &QCheckBox::clicked, this, [this, tag] { draw3DGridPreferencesChanged(tag); });
    return box;
}

void Render3DView::awakeFromNib()
{
    UserDefaults defaults;
    const std::pair<QCheckBox*, QString> switches[] = {
        {xyPlaneSwitch, DefaultsKeys::gridXYPlane},
        {xzPlaneSwitch, DefaultsKeys::gridXZPlane},
        {zyPlaneSwitch, DefaultsKeys::gridZYPlane},
        {xyzAxesSwitch, DefaultsKeys::gridXYZAxes},
    };
    for (const auto& [box, key] : switches) {
        if (!defaults.contains(key))
            defaults.setBool(key, true);
        box->setChecked(defaults.boolForKey(key));
    }
    connect(&NotificationHub::instance(), &NotificationHub::calculateAndDraw3DFigures, this,
            &Render3DView::reinitialise);
}

void Render3DView::draw3DGridPreferencesChanged(int tag)
{
    UserDefaults defaults;
    switch (tag) {
    case XZPlaneTag:
        defaults.setBool(DefaultsKeys::gridXZPlane, xzPlaneSwitch->isChecked());
        break;
    case XYPlaneTag:
        defaults.setBool(DefaultsKeys::gridXYPlane, xyPlaneSwitch->isChecked());
        break;
    case ZYPlaneTag:
        defaults.setBool(DefaultsKeys::gridZYPlane, zyPlaneSwitch->isChecked());
        break;
    case XYZAxesTag:
        defaults.setBool(DefaultsKeys::gridXYZAxes, xyzAxesSwitch->isChecked());
        break;
    default:
        break;
    }
    emit NotificationHub::instance().calculateAndDraw3DFigures();
}

void Render3DView::reinitialise()
{
    UserDefaults defaults;
    clearRenderTimer();
    const auto found = m_solids.find(defaults.stringForKey(DefaultsKeys::bottomTab3D));
    m_solid = found == m_solids.end() ? nullptr : &found->second;
    m_kind = m_solid ? std::optional(m_solid->kind) : std::nullopt;
    m_drawerOpen = defaults.integerForKey(DefaultsKeys::graphicsDrawerState) == drawerOpen &&
                   defaults.stringForKey(DefaultsKeys::topTab) == QLatin1String("3D");
    // The grid reads its switches here rather than at every pass: each change of a
    // switch or of the fade preference arrives through this notification.
    m_switches.xyPlane = defaults.boolForKey(DefaultsKeys::gridXYPlane);
    m_switches.xzPlane = defaults.boolForKey(DefaultsKeys::gridXZPlane);
    m_switches.zyPlane = defaults.boolForKey(DefaultsKeys::gridZYPlane);
    m_switches.axes = defaults.boolForKey(DefaultsKeys::gridXYZAxes);
    m_switches.fade = defaults.integerForKey(DefaultsKeys::fade3DGridPreference) == fadeOn;
    m_renderer.isGLInitialised = false;
    if (m_drawerOpen && m_kind) {
        if (isSmoothSolid(*m_kind))
            m_renderer.displayListsSet = false;
        if (m_motion.spin(*m_kind) != 0)
            setupRenderTimer();
        scaleStringTextField->clear();
        calculateAndDraw3DFigures();
    } else if (m_drawerOpen) {
        scaleStringTextField->clear();
    }
    if (m_drawerOpen && isVisible() && !m_canvas && !m_note)
        createSurface();
    resetCursorRects();
    // A re-initialised view is always redrawn, whatever the layout decided.
    redisplayNow();
}

bool Render3DView::keyFieldEditable() const
{
    return !m_solid || m_solid->fields.unsolved();
}

void Render3DView::calculateAndDraw3DFigures()
{
    if (!m_kind)
        return;
    if (keyFieldEditable()) {
        redisplayNow();
        clearRenderTimer();
        return;
    }
    // A view with no area yet cannot be fitted; its first reshape lays the solid out.
    if (m_sceneBounds.width() < 1 || m_sceneBounds.height() < 1)
        return;
    const float aspect = float(m_sceneBounds.width()) / float(m_sceneBounds.height());
    m_layout = SolidLayout::compute(
        *m_kind, SolidDimensions::from(*m_kind, m_solid->fields.readings()), aspect, m_layout);
    m_scale = SolidScale::calculateScalingString(m_layout.gridScalingFactor,
                                                 float(m_sceneBounds.height()));
    scaleStringTextField->setText(m_scale.label);
    resetCursorRects();
}

void Render3DView::reshape()
{
    m_sceneBounds = QSizeF(m_sceneArea->size()) * m_sceneArea->devicePixelRatioF();
    calculateAndDraw3DFigures();
    if (UserDefaults().integerForKey(DefaultsKeys::graphicsDrawerState) != drawerOpen)
        clearRenderTimer();
}

void Render3DView::createSurface()
{
    OpenGLWarmUp* warmUp = OpenGLWarmUp::pending();
    // The first solid after a launch on a plane figure loads the driver off the GUI thread
    // too: the window stays responsive for the tens of milliseconds it takes.
    if (warmUp)
        warmUp->start(Render3DCanvas::surfaceFormat());
    if (warmUp && warmUp->isRunning()) {
        // The window shows and paints its widgets meanwhile; the scene follows.
        if (!m_waitingForWarmUp) {
            m_waitingForWarmUp = true;
            connect(warmUp, &OpenGLWarmUp::finished, this, [this] {
                m_waitingForWarmUp = false;
                if (!m_canvas && !m_note && isVisible() && m_drawerOpen && m_kind)
                    createSurface();
            });
        }
        return;
    }
    if (openGLAvailable()) {
        m_canvas = new Render3DCanvas(this);
        m_canvasHolder = QWidget::createWindowContainer(m_canvas, m_sceneArea);
        m_canvasHolder->setObjectName(QStringLiteral("render3DCanvasHolder"));
        m_canvasHolder->setFocusPolicy(Qt::NoFocus);
        m_sceneStack->addWidget(m_canvasHolder);
        m_sceneStack->setCurrentWidget(m_canvasHolder);
        resetCursorRects();
        return;
    }
    m_note = new QLabel(localized("Solids cannot be drawn here: OpenGL is not available."));
    m_note->setObjectName(QStringLiteral("render3DUnavailableNote"));
    m_note->setAlignment(Qt::AlignCenter);
    m_note->setWordWrap(true);
    m_sceneStack->addWidget(m_note);
    m_sceneStack->setCurrentWidget(m_note);
}

void Render3DView::contextCreated()
{
    m_renderer.isGLInitialised = false;
    m_renderer.displayListsSet = false;
}

void Render3DView::requestRedisplay()
{
    if (m_canvas)
        m_canvas->update();
}

void Render3DView::redisplayNow()
{
    requestRedisplay();
    // Qt delivers a window's update request on a timer, some milliseconds later; a changed
    // solid is drawn at the next turn of the event loop instead. The spin and drags keep
    // to the timer's pace: drawn at once, every tick of the spin came twice.
    if (m_canvas && m_canvas->isExposed())
        QCoreApplication::postEvent(m_canvas, new QEvent(QEvent::UpdateRequest));
}

void Render3DView::setupRenderTimer()
{
    renderTimer.start();
}

void Render3DView::clearRenderTimer()
{
    renderTimer.stop();
}

void Render3DView::resetCursorRects()
{
    if (!m_canvas)
        return;
    if (scaleStringTextField->text().isEmpty())
        m_canvas->unsetCursor();
    else
        m_canvas->setCursor(Qt::OpenHandCursor);
}

SolidFrame Render3DView::frameOf(const QSizeF& pixels) const
{
    SolidFrame frame;
    frame.kind = m_drawerOpen ? m_kind : std::nullopt;
    frame.keyFieldEditable = keyFieldEditable();
    frame.layout = m_layout;
    frame.gridSquares = m_scale.gridScalingFactor;
    frame.switches = m_switches;
    frame.width = float(pixels.width());
    frame.height = float(pixels.height());
    frame.mouseDidDrag = m_mouseDidDrag;
    return frame;
}

void Render3DView::drawRect(unsigned framebuffer, float devicePixelRatio)
{
    m_renderer.drawRect(frameOf(QSizeF(float(m_canvas->width()) * devicePixelRatio,
                                       float(m_canvas->height()) * devicePixelRatio)),
                        m_motion, framebuffer);
}

void Render3DView::mouseDown(double x)
{
    if (m_canvas)
        m_canvas->setCursor(Qt::ClosedHandCursor);
    // A click during the measurement of a flick ends it: the click wins.
    m_releaseWait.stop();
    m_downX = x;
    clearRenderTimer();
    if (m_kind)
        m_motion.setSpin(*m_kind, 0);
    requestRedisplay();
}

void Render3DView::mouseDragged(double x)
{
    if (m_kind) {
        m_motion.setAngle(*m_kind,
                          SolidMotion::dragged(m_motion.angle(*m_kind), float(m_downX), float(x)));
    }
    m_downX = x;
    m_mouseDidDrag = true;
    requestRedisplay();
}

void Render3DView::mouseUp(double x)
{
    clearRenderTimer();
    if (m_mouseDidDrag && m_kind) {
        // The flick is measured a moment later without holding the event loop; until
        // then the solid still counts as moving, so no four-pass frame is begun.
        m_releaseX = x;
        m_releaseKind = *m_kind;
        m_releaseWait.start();
    } else {
        m_mouseDidDrag = false;
        if (m_kind)
            m_motion.setSpin(*m_kind, 0);
    }
    resetCursorRects();
}

void Render3DView::measureSpin()
{
    m_mouseDidDrag = false;
    const float spin = SolidMotion::spinAfterRelease(m_releaseX, m_pointerX());
    m_motion.setSpin(m_releaseKind, spin);
    if (spin == 0)
        requestRedisplay();
    else if (m_kind == m_releaseKind)
        setupRenderTimer();
}

void Render3DView::applicationDidHide()
{
    clearRenderTimer();
}

void Render3DView::applicationDidUnhide()
{
    // Only a spinning solid needs the timer: a resting one costs nothing while shown.
    if (m_drawerOpen && m_kind && m_motion.spin(*m_kind) != 0)
        setupRenderTimer();
}

void Render3DView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (QWidget* top = window(); top != m_watchedWindow) {
        if (m_watchedWindow)
            m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = top;
        top->installEventFilter(this);
    }
    if (!m_canvas && !m_note && m_drawerOpen && m_kind)
        createSurface();
}

void Render3DView::hideEvent(QHideEvent* event)
{
    // Taken out of the panel (a plane figure shown instead) or the panel closed.
    if (!event->spontaneous())
        clearRenderTimer();
    QWidget::hideEvent(event);
}

bool Render3DView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_sceneArea && event->type() == QEvent::Resize) {
        reshape();
    } else if (watched == m_watchedWindow && event->type() == QEvent::WindowStateChange) {
        if (m_watchedWindow->isMinimized())
            applicationDidHide();
        else
            applicationDidUnhide();
    }
    return QWidget::eventFilter(watched, event);
}
