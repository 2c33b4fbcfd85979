#include "ScenarioSession.h"

#include "ScenarioKeyboard.h"
#include "ScenarioSteps.h"
#include "ScenarioWorking.h"
#include "TemplateHome.h"
#include "support/TapeRuns.h"
#include "support/TestHome.h"

#include "app/AppInterface.h"
#include "app/Controller.h"
#include "app/MainWindow.h"
#include "app/ShapeCatalog.h"
#include "app/UpdateChecker.h"
#include "core/Notices.h"
#include "core/NotificationHub.h"
#include "core/NumberFormatter.h"
#include "core/ShapeCalculator.h"
#include "core/TapeSaver.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/UserDefaults.h"
#include "render/Render2DView.h"
#include "render/Render3DCanvas.h"
#include "render/Render3DView.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDockWidget>
#include <QGuiApplication>
#include <QJsonArray>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>

ScenarioSession::ScenarioSession(const ScenarioOptions& options, const TemplateHome* seed)
    : m_options(options), m_seed(seed)
{
    AlertPresenter::setInstance(&m_alerts);
}

ScenarioSession::~ScenarioSession()
{
    // Saves still pending land in this scenario's home, not after it is gone.
    TapeSaver::instance().waitForPending();
    m_interface.reset();
    AlertPresenter::setInstance(nullptr);
    m_home.reset();
    if (!m_seeded.isEmpty())
        TemplateHome::remove(m_seeded);
}

QString ScenarioSession::validate(const ScenarioOptions& options)
{
    const ShapeEntry* entry = ShapeCatalog::find(options.shape);
    if (!entry)
        return QStringLiteral("unknown shape \"%1\"").arg(options.shape);
    const std::unique_ptr<ShapeCalculator> probe(entry->createCalculator());
    for (const auto& [outlet, text] : options.assignments) {
        if (!probe->fieldByOutlet(outlet))
            return QStringLiteral("unknown outlet \"%1\" for %2").arg(outlet, options.shape);
    }
    for (const QString& step : options.steps) {
        QString argument;
        if (!ScenarioSteps::find(step, argument))
            return QStringLiteral("unknown step \"%1\"").arg(step);
        const QString outlet = argument.section(QLatin1Char('='), 0, 0);
        if (step.startsWith(QLatin1String("paste:")) && !probe->fieldByOutlet(outlet))
            return QStringLiteral("unknown outlet \"%1\" for %2").arg(outlet, options.shape);
    }
    return {};
}

void ScenarioSession::prepareHome()
{
    if (m_options.home.isEmpty() && m_seed)
        m_seeded = m_seed->copy();
    m_home = std::make_unique<TestHome>(m_seeded.isEmpty() ? m_options.home : m_seeded);
}

void ScenarioSession::launch()
{
    UserDefaults defaults;
    defaults.setString(DefaultsKeys::decimalPlaces, QString::number(m_options.decimals));
    Notices::instance().reset();
    start();
    window().selectShape(m_options.shape);
    settle();
}

void ScenarioSession::relaunch()
{
    m_interface->applicationWillTerminate();
    m_interface.reset();
    settle();
    start();
    settle();
}

void ScenarioSession::start()
{
    m_interface = std::make_unique<AppInterface>();
    // Without a view size or a screenshot the report holds nothing painted, and painting
    // the window would take a third of the scenario's time.
    if (!m_options.view && m_options.screenshot.isEmpty())
        window().setUpdatesEnabled(false);
    m_interface->controller().setUrlOpener(
        [this](const QUrl& url) { m_openedUrls.append(url.toString()); });
    if (!m_options.updateServer.isEmpty()) {
        m_interface->controller().updateChecker().setServer(QUrl(m_options.updateServer));
        m_interface->controller().updateCheckAvailability();
    }
    m_interface->applicationDidFinishLaunching();
    if (!m_options.separator.isEmpty()) {
        const NumberFormatter& launched = NumberFormatter::shared();
        NumberFormatter::setShared(
            NumberFormatter(launched.decimalPlaces(), m_options.separator.front()));
    }
    if (m_options.view) {
        // The figure views need a real, laid-out window to have a size.
        window().show();
        if (Render3DView* view = window().findChild<Render3DView*>())
            view->sceneArea()->setFixedSize(m_options.view->first, m_options.view->second);
    }
}

Render3DView* ScenarioSession::solidView()
{
    const ShapeEntry* entry = ShapeCatalog::find(m_options.shape);
    if (!m_options.view || !entry || entry->dimension != ShapeCalculator::Dimension::Solid)
        return nullptr;
    return window().findChild<Render3DView*>();
}

QJsonObject ScenarioSession::view3d(Render3DView& view)
{
    const SolidLayout& layout = view.layout();
    QJsonObject out{{QStringLiteral("label"), view.scaleStringTextField->text()},
                    {QStringLiteral("fov"), double(layout.fov)},
                    {QStringLiteral("gridScalingFactor"), view.scale().gridScalingFactor},
                    {QStringLiteral("scaleStringFactor"), view.scale().scaleStringFactor},
                    {QStringLiteral("xValue"), double(layout.xValue)},
                    {QStringLiteral("yValue"), double(layout.yValue)},
                    {QStringLiteral("zValue"), double(layout.zValue)},
                    {QStringLiteral("gridOffset"), layout.gridOffset},
                    {QStringLiteral("sceneWidth"), view.openGLViewSceneBounds().width()},
                    {QStringLiteral("sceneHeight"), view.openGLViewSceneBounds().height()},
                    {QStringLiteral("drawing"),
                     view.canvas() ? QStringLiteral("opengl") : QStringLiteral("unavailable")}};
    if (!view.canvas())
        out.insert(QStringLiteral("note"),
                   QStringLiteral("no OpenGL on the \"%1\" platform: run under an X server "
                                  "(xvfb-run -a, QT_QPA_PLATFORM=xcb) to draw solids")
                       .arg(QGuiApplication::platformName()));
    return out;
}

QImage ScenarioSession::screenshot()
{
    QImage image = window().grab().toImage();
    // A widget grab leaves OpenGL surfaces out: paint the solid's frame in its place.
    Render3DView* view = window().findChild<Render3DView*>();
    if (view && view->canvas() && view->canvas()->isVisible()) {
        if (!QTest::qWaitFor([view] { return view->canvas()->isValid(); }, 2000))
            return image;
        QImage frame = view->canvas()->drawnFrame();
        for (int draws = 1; view->renderer().refining() && draws < 8; ++draws)
            frame = view->canvas()->drawnFrame();
        QPainter painter(&image);
        const QPoint at = view->canvasHolder()->mapTo(&window(), QPoint(0, 0));
        painter.drawImage(QRect(at, view->canvas()->size()), frame);
    }
    return image;
}

MainWindow& ScenarioSession::window()
{
    return m_interface->mainWindow();
}

ShapeCalculator* ScenarioSession::currentCalculator() const
{
    return m_interface
               ? m_interface->mainWindow().calculator(m_interface->mainWindow().selectedShape())
               : nullptr;
}

void ScenarioSession::settle()
{
    for (int pass = 0; pass < 3; ++pass)
        QApplication::processEvents();
}

void ScenarioSession::assignFields()
{
    ShapeCalculator* calculator = currentCalculator();
    if (!calculator)
        return;
    // Put in place as the program itself would: the typing filter does not see these, so
    // that what Calculate does with any text can be tried (paste:OUTLET=TEXT goes
    // through the filter as the user's paste does).
    for (const auto& [outlet, text] : m_options.assignments) {
        calculator->fieldByOutlet(outlet)->setText(text);
        settle();
    }
}

void ScenarioSession::sizeFigureView()
{
    if (!m_options.view)
        return;
    const QSize size(m_options.view->first, m_options.view->second);
    window().render2DView()->setFixedSize(size);
    // The window grows as far as the fixed view needs.
    window().resize(window().size().expandedTo(window().minimumSizeHint()));
    settle();
}

QJsonObject ScenarioSession::view2d()
{
    Render2DView* view = window().render2DView();
    settle();
    // The notification's handler, at the view's present size.
    view->calculateAndDraw2DFigures();
    const PlaneLayout& layout = view->layout();
    const auto pair = [](const QPointF& p) { return QJsonArray{p.x(), p.y()}; };
    QJsonArray points;
    for (const QPointF& point : layout.points)
        points.append(pair(point));
    const bool hasBox = layout.outline == PlaneLayout::Outline::Oval ||
                        layout.outline == PlaneLayout::Outline::Rectangle;
    const QRectF& box = layout.box;
    return QJsonObject{{QStringLiteral("viewSize"), QJsonArray{view->width(), view->height()}},
                       {QStringLiteral("fitScale"), layout.scalingRatio},
                       {QStringLiteral("gridSpacing"), view->scaleLabel().gridSpacing},
                       {QStringLiteral("label"), window().scaleStringTextField()->text()},
                       {QStringLiteral("box"),
                        hasBox ? QJsonValue(QJsonArray{box.x(), box.y(), box.width(), box.height()})
                               : QJsonValue()},
                       {QStringLiteral("points"), points},
                       {QStringLiteral("gridOrigin"),
                        layout.isEmpty() ? QJsonValue() : QJsonValue(pair(layout.gridOrigin))}};
}

void ScenarioSession::runStep(const QString& text)
{
    QString argument;
    if (const ScenarioStep* step = ScenarioSteps::find(text, argument))
        step->run(*this, argument);
    settle();
}

QJsonObject ScenarioSession::run()
{
    prepareHome();
    launch();
    sizeFigureView();
    assignFields();
    for (const QString& step : m_options.steps)
        runStep(step);
    // The report is what the user sees once the tape's save, made off the GUI thread, is
    // done: a failure to save is among its messages.
    TapeSaver::instance().waitForPending();

    QJsonArray alerts;
    for (const AlertPresenter::Alert& alert : m_alerts.alerts()) {
        QJsonArray buttons;
        for (const QString& button :
             {alert.defaultButton, alert.alternateButton, alert.otherButton}) {
            if (!button.isEmpty())
                buttons.append(button);
        }
        alerts.append(QJsonObject{{QStringLiteral("title"), alert.title},
                                  {QStringLiteral("message"), alert.message},
                                  {QStringLiteral("buttons"), buttons}});
    }

    QJsonArray panels;
    if (!window().infoDrawer()->isHidden())
        panels.append(QStringLiteral("info"));
    if (!window().tapeDrawer()->isHidden())
        panels.append(QStringLiteral("tape"));
    if (!window().graphicsDrawer()->isHidden())
        panels.append(QStringLiteral("graphics"));
    QString info;
    for (const QString& line :
         window().changeDrawerText()->toPlainText().split(QLatin1Char('\n'))) {
        if (!line.trimmed().isEmpty()) {
            info = line.trimmed();
            break;
        }
    }

    QJsonObject report{
        {QStringLiteral("shape"), m_options.shape},
        {QStringLiteral("selected"), window().selectedShape()},
        {QStringLiteral("title"), window().changeLabelText()->text()},
        {QStringLiteral("info"), info},
        {QStringLiteral("panels"), panels},
        {QStringLiteral("updatesAvailable"),
         window().action(MainWindow::Action::CheckForUpdates)->isEnabled()},
        {QStringLiteral("openedUrls"), QJsonArray::fromStringList(m_openedUrls)},
        {QStringLiteral("alerts"), alerts},
        {QStringLiteral("beeps"), m_alerts.beeps()},
        {QStringLiteral("tape"), TapeRuns::of(*window().tapeTextView()->document())},
        {QStringLiteral("tapeShape"), window().tapeTextView()->heldShape()},
        {QStringLiteral("messages"), QJsonArray::fromStringList(Notices::instance().history())}};
    if (!m_exports.isEmpty())
        report.insert(QStringLiteral("exports"), m_exports);
    for (auto it = m_extra.begin(); it != m_extra.end(); ++it)
        report.insert(it.key(), it.value());
    if (ShapeCalculator* calculator = currentCalculator()) {
        QJsonObject fields;
        for (int i = 0; i < calculator->fieldCount(); ++i) {
            const TextField* field = calculator->field(i);
            fields.insert(field->objectName(),
                          QJsonObject{{QStringLiteral("text"), field->text()},
                                      {QStringLiteral("given"), field->isGiven()},
                                      {QStringLiteral("editable"), field->isEditable()}});
        }
        report.insert(QStringLiteral("fields"), fields);
        report.insert(QStringLiteral("calculateEnabled"),
                      calculator->calculateButton()->isEnabled());
        report.insert(QStringLiteral("returnClears"), calculator->returnClears());
        report.insert(QStringLiteral("working"), ScenarioWorking::report(*calculator));
        if (m_options.view && calculator->dimension() == ShapeCalculator::Dimension::Plane)
            report.insert(QStringLiteral("view2d"), view2d());
    }
    if (Render3DView* view = solidView())
        report.insert(QStringLiteral("view3d"), view3d(*view));
    const QJsonObject keyboard = ScenarioKeyboard::report(window(), currentCalculator());
    for (auto it = keyboard.begin(); it != keyboard.end(); ++it)
        report.insert(it.key(), it.value());
    if (!m_options.screenshot.isEmpty())
        screenshot().save(m_options.screenshot, "PNG");
    return report;
}
