#include "app/MainWindow.h"

#include "app/DrawingCommands.h"
#include "app/GraphicsPanel.h"
#include "app/MyTabView.h"
#include "app/NavigationState.h"
#include "app/ShapeCatalog.h"
#include "app/TapePanel.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/TypingFilterDelegate.h"
#include "render/Render2DView.h"
#include "render/Render3DView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_titleLabel(new QLabel), m_topTabView(new MyTabView),
      m_d2TabView(new MyTabView), m_d3TabView(new MyTabView),
      m_typingFilter(new TypingFilterDelegate(this)),
      m_outlets(std::make_shared<MyTabView::Outlets>()),
      m_navigation(std::make_shared<NavigationState>())
{
    setWindowTitle(QStringLiteral("Polymetra"));
    setObjectName(QStringLiteral("mainWindow"));
    m_titleLabel->setObjectName(QStringLiteral("changeLabelText"));
    QFont titleFont = m_titleLabel->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    m_titleLabel->setFont(titleFont);
    m_topTabView->setObjectName(QStringLiteral("topTabView"));
    m_d2TabView->setObjectName(QStringLiteral("d2TabView"));
    m_d3TabView->setObjectName(QStringLiteral("d3TabView"));
    setDockNestingEnabled(true);

    createDrawers();
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        tabViewFor(entry.dimension)
            ->addIdentifiedTab(createShapePage(entry), QString::fromLatin1(entry.name),
                               localized(entry.name));
    }
    m_topTabView->addIdentifiedTab(m_d2TabView, QStringLiteral("2D"), localized("2D"));
    m_topTabView->addIdentifiedTab(m_d3TabView, QStringLiteral("3D"), localized("3D"));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_topTabView, 1);
    setCentralWidget(central);
    createMenus();
    createNoticeLine();

    MyTabView::Outlets& outlets = *m_outlets;
    outlets.topTabView = m_topTabView;
    outlets.d2TabView = m_d2TabView;
    outlets.d3TabView = m_d3TabView;
    outlets.graphicsLayoutView = m_graphicsPanel;
    outlets.changeDrawerText = m_infoText;
    outlets.changeLabelText = m_titleLabel;
    outlets.tapeTextView = tapeTextView();
    for (MyTabView* view : {m_topTabView, m_d2TabView, m_d3TabView}) {
        view->setOutlets(m_outlets);
        view->setNavigation(m_navigation);
    }
    auto* solidView = new Render3DView;
    std::map<QString, Render3DView::Solid> solids;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (const auto* kind = std::get_if<SolidKind>(&entry.figure.kind))
            solids.emplace(QString::fromLatin1(entry.name),
                           Render3DView::Solid{*kind, figureFields(entry)});
    }
    solidView->setSolids(std::move(solids));
    setFigureViews(createPlaneFigureView(), solidView);
    resize(980, 720);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::createShapePage(const ShapeEntry& entry)
{
    ShapeCalculator* calculator = entry.createCalculator();
    calculator->setTapeView(tapeTextView());
    for (int i = 0; i < calculator->fieldCount(); ++i)
        m_typingFilter->watch(calculator->field(i));
    m_calculators.push_back(calculator);
    return calculator;
}

FigureFields MainWindow::figureFields(const ShapeEntry& entry) const
{
    const ShapeCalculator* shape = calculator(QString::fromLatin1(entry.name));
    const auto field = [shape](const char* outlet) -> const TextField* {
        return shape && outlet ? shape->fieldByOutlet(QLatin1String(outlet)) : nullptr;
    };
    FigureFields fields;
    for (const char* outlet : entry.figure.quantities)
        fields.quantities.push_back(field(outlet));
    fields.layoutKey = field(entry.figure.layoutKey);
    fields.drawKey = field(entry.figure.drawKey);
    return fields;
}

void MainWindow::createDrawers()
{
    m_infoText = new QTextEdit;
    m_infoText->setObjectName(QStringLiteral("changeDrawerText"));
    m_infoText->setReadOnly(true);
    m_infoDrawer = new QDockWidget(localized("Info"), this);
    m_infoDrawer->setObjectName(QStringLiteral("infoDrawer"));
    m_infoDrawer->setWidget(m_infoText);
    addDockWidget(Qt::LeftDockWidgetArea, m_infoDrawer);

    m_tapePanel = new TapePanel;
    m_tapeDrawer = new QDockWidget(localized("Tape"), this);
    m_tapeDrawer->setObjectName(QStringLiteral("tapeDrawer"));
    m_tapeDrawer->setWidget(m_tapePanel);
    addDockWidget(Qt::LeftDockWidgetArea, m_tapeDrawer);

    m_graphicsPanel = new GraphicsPanel;
    m_graphicsDrawer = new QDockWidget(localized("Graphics"), this);
    m_graphicsDrawer->setObjectName(QStringLiteral("graphicsDrawer"));
    m_graphicsDrawer->setWidget(m_graphicsPanel);
    addDockWidget(Qt::BottomDockWidgetArea, m_graphicsDrawer);

    // Panels open and close through the controller's toggles, which keep the stored
    // states and the edge rules; they have no close buttons of their own.
    for (QDockWidget* dock : {m_infoDrawer, m_tapeDrawer, m_graphicsDrawer})
        dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
}

void MainWindow::createNoticeLine()
{
    // Failures of files are shown here, one at a time, without stopping the user; the
    // text comes from file names and system messages, so it is never read as markup.
    m_noticeLine = new QLabel;
    m_noticeLine->setObjectName(QStringLiteral("noticeLine"));
    m_noticeLine->setTextFormat(Qt::PlainText);
    m_noticeLine->setWordWrap(true);
    m_noticeLine->setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar()->addWidget(m_noticeLine, 1);
    statusBar()->hide();
    connect(&Notices::instance(), &Notices::posted, this, [this](const QString& message) {
        m_noticeLine->setText(message);
        m_noticeLine->setToolTip(message);
        statusBar()->show();
    });
}

QWidget* MainWindow::createPlaneFigureView()
{
    auto* pane = new QWidget;
    pane->setObjectName(QStringLiteral("render2DPane"));
    m_render2DView = new Render2DView(pane);
    m_scaleStringTextField = new QLabel(pane);
    m_scaleStringTextField->setObjectName(QStringLiteral("scaleStringTextField"));
    m_scaleStringTextField->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Wide enough for any usual scale, so that a new label never resizes the view.
    m_scaleStringTextField->setMinimumWidth(
        m_scaleStringTextField->fontMetrics().horizontalAdvance(QStringLiteral("Scale 1:100000")));
    auto* layout = new QHBoxLayout(pane);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->addWidget(m_render2DView, 1);
    layout->addWidget(m_scaleStringTextField);

    Render2DView::Outlets o;
    o.graphicsDrawer = m_graphicsDrawer;
    o.selectedPlaneFigure = [this] { return m_d2TabView->selectedIdentifier(); };
    o.scaleStringTextField = m_scaleStringTextField;
    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        if (const auto* figure = std::get_if<PlaneFigureLayout::Figure>(&entry.figure.kind))
            o.figures.emplace(QString::fromLatin1(entry.name),
                              Render2DView::PlaneFigure{*figure, figureFields(entry)});
    }
    m_render2DView->setOutlets(std::move(o));
    return pane;
}

QAction* MainWindow::addAction(QMenu* menu, Action which, const QString& text,
                               const QKeySequence& shortcut)
{
    QAction* action = menu->addAction(text);
    action->setShortcut(shortcut);
    m_actions.emplace_back(which, action);
    return action;
}

void MainWindow::createMenus()
{
    QMenu* file = menuBar()->addMenu(localized("&File"));
    // A disabled drawing command says why in its tooltip.
    file->setToolTipsVisible(true);
    addAction(file, Action::Preferences, localized("&Preferences…"), QKeySequence::Preferences)
        ->setMenuRole(QAction::PreferencesRole);
    file->addSeparator();
    addAction(file, Action::ExportDrawing, localized("&Export Drawing…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    addAction(file, Action::PrintDrawing, localized("P&rint Drawing…"), QKeySequence::Print);
    file->addSeparator();
    addAction(file, Action::Quit, localized("&Quit"), QKeySequence::Quit)
        ->setMenuRole(QAction::QuitRole);

    QMenu* view = menuBar()->addMenu(localized("&View"));
    addAction(view, Action::ToggleInfo, localized("&Info Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_I));
    addAction(view, Action::ToggleTape, localized("&Tape Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(view, Action::ToggleGraphics, localized("&Graphics Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_G));

    QMenu* tape = menuBar()->addMenu(localized("&Tape"));
    addAction(tape, Action::ClearTape, localized("&Clear Tape"),
              QKeySequence(Qt::CTRL | Qt::Key_K));
    addAction(tape, Action::ClearAllTapes, localized("Clear &All Tapes…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));

    QMenu* help = menuBar()->addMenu(localized("&Help"));
    addAction(help, Action::CheckForUpdates, localized("Check for &Updates…"));
    addAction(help, Action::About, localized("&About Polymetra"))->setMenuRole(QAction::AboutRole);

    connect(action(Action::ClearTape), &QAction::triggered, m_topTabView, &MyTabView::clearTape);
    connect(m_tapePanel->clearTapeButton(), &QPushButton::clicked, m_topTabView,
            &MyTabView::clearTape);
}

QAction* MainWindow::action(Action which) const
{
    for (const auto& [id, action] : m_actions) {
        if (id == which)
            return action;
    }
    return nullptr;
}

void MainWindow::setFigureViews(QWidget* render2DView, QWidget* render3DView)
{
    MyTabView::Outlets& outlets = *m_outlets;
    QWidget* previous2D = outlets.render2DView;
    QWidget* previous3D = outlets.render3DView;
    const bool showingSolid =
        m_graphicsPanel->figureView() && m_graphicsPanel->figureView() == previous3D;
    outlets.render2DView = render2DView;
    outlets.render3DView = render3DView;
    for (QWidget* view : {render2DView, render3DView}) {
        view->setParent(m_graphicsPanel);
        view->hide();
    }
    m_graphicsPanel->setFigureView(showingSolid ? render3DView : render2DView);
    delete previous2D;
    delete previous3D;
}

void MainWindow::awakeFromNib()
{
    for (ShapeCalculator* calculator : m_calculators)
        calculator->awakeFromNib();
    for (MyTabView* view : {m_topTabView, m_d2TabView, m_d3TabView})
        view->awakeFromNib();
    if (m_render2DView)
        m_render2DView->awakeFromNib();
    m_drawingCommands =
        new DrawingCommands(*this, action(Action::ExportDrawing), action(Action::PrintDrawing));
}

MyTabView* MainWindow::tabViewFor(ShapeCalculator::Dimension dimension) const
{
    return dimension == ShapeCalculator::Dimension::Plane ? m_d2TabView : m_d3TabView;
}

TapeView* MainWindow::tapeTextView() const
{
    return m_tapePanel->tapeTextView();
}

ShapeCalculator* MainWindow::calculator(const QString& shapeName) const
{
    for (ShapeCalculator* calculator : m_calculators) {
        if (shapeName == QLatin1String(calculator->shapeName()))
            return calculator;
    }
    return nullptr;
}

bool MainWindow::selectShape(const QString& shapeName)
{
    const ShapeEntry* entry = ShapeCatalog::find(shapeName);
    if (!entry)
        return false;
    MyTabView* family = tabViewFor(entry->dimension);
    // The order of a person's clicks: first the family, then the shape.
    m_topTabView->setCurrentWidget(family);
    family->selectIdentifier(shapeName);
    return true;
}

QString MainWindow::selectedShape() const
{
    return m_topTabView->selectedShape();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
