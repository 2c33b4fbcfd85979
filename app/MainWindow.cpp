#include "app/MainWindow.h"

#include "app/ClearedTape.h"
#include "app/DrawingCommands.h"
#include "app/EditActions.h"
#include "app/GraphicsPanel.h"
#include "app/HelpWindow.h"
#include "app/MyTabView.h"
#include "app/NavigationState.h"
#include "app/PanelState.h"
#include "app/ShapeCatalog.h"
#include "app/ShapeMenu.h"
#include "app/TapeCommands.h"
#include "app/TapeEntryMenu.h"
#include "app/TapePanel.h"
#include "core/Localization.h"
#include "core/Notices.h"
#include "core/TapeView.h"
#include "core/TextField.h"
#include "core/TypingFilterDelegate.h"
#include "core/WorkingPanel.h"
#include "render/Render2DView.h"
#include "render/Render3DView.h"

#include <QAction>
#include <QCloseEvent>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
#include <QStatusBar>
#include <QTextEdit>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_titleLabel(new QLabel), m_topTabView(new MyTabView),
      m_d2TabView(new MyTabView), m_d3TabView(new MyTabView),
      m_typingFilter(new TypingFilterDelegate(this)),
      m_outlets(std::make_shared<MyTabView::Outlets>()),
      m_navigation(std::make_shared<NavigationState>()), m_clearedTape(new ClearedTape(this))
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
    outlets.clearedTape = m_clearedTape;
    outlets.calculatorFor = [this](const QString& shapeName) { return calculator(shapeName); };
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
    // Fits a 1366×768 screen, and a 1600×1000 one at 200 %, with room for the desktop's
    // panels; the calculator's pane scrolls when the window is smaller than it.
    setMinimumSize(minimumWindowSize);
    resize(980, 720);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::createShapePage(const ShapeEntry& entry)
{
    // A pane taller than a small screen scrolls rather than pushing the panels off it.
    auto* page = new QScrollArea;
    page->setObjectName(QStringLiteral("pageOf") +
                        QString::fromLatin1(entry.name).remove(QLatin1Char(' ')));
    page->setFrameShape(QFrame::NoFrame);
    page->setWidgetResizable(true);
    m_pages.push_back({&entry, page});
    return page;
}

ShapeCalculator* MainWindow::build(ShapePage& shape) const
{
    ShapeCalculator* calculator = shape.entry->createCalculator();
    shape.calculator = calculator;
    calculator->setTapeView(tapeTextView());
    for (int i = 0; i < calculator->fieldCount(); ++i)
        m_typingFilter->watch(calculator->field(i));
    // The working sits under the fields it explains, so it follows the shape on show.
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(calculator);
    layout->addWidget(new WorkingPanel(calculator), 1);
    shape.page->setWidget(content);
    content->show(); // a scroll area already on screen shows a new widget only when told
    connectFigureFields(*shape.entry);
    if (m_awake)
        calculator->awakeFromNib();
    return calculator;
}

void MainWindow::connectFigureFields(const ShapeEntry& entry) const
{
    const QString name = QString::fromLatin1(entry.name);
    if (m_render2DView && m_render2DView->outlets().figures.count(name)) {
        Render2DView::Outlets outlets = m_render2DView->outlets();
        outlets.figures.at(name).fields = figureFields(entry);
        m_render2DView->setOutlets(std::move(outlets));
    }
    if (auto* solids = qobject_cast<Render3DView*>(m_outlets->render3DView))
        solids->setSolidFields(name, figureFields(entry));
}

FigureFields MainWindow::figureFields(const ShapeEntry& entry) const
{
    // Only a built calculator has fields; one built later connects itself to the views.
    const ShapeCalculator* shape = nullptr;
    for (const ShapePage& page : m_pages) {
        if (page.entry == &entry)
            shape = page.calculator;
    }
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
    // Words are never broken ("Parallelogra / m"); a heading wider than the panel scrolls.
    m_infoText->setWordWrapMode(QTextOption::WordWrap);
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
    // Small enough for a small screen, large enough to stay of use when dragged narrow.
    m_infoText->setMinimumSize(PanelState::minimumUsableSize, 60);
    m_tapePanel->setMinimumSize(PanelState::minimumUsableSize, 80);
    m_graphicsPanel->setMinimumHeight(130);
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
    // Wide enough for any usual scale and no wider: a longer label wraps rather than
    // squeezing the drawing, and a new label never resizes the view.
    m_scaleStringTextField->setFixedWidth(
        m_scaleStringTextField->fontMetrics().horizontalAdvance(QStringLiteral("Scale 1:100000")) +
        4);
    m_scaleStringTextField->setWordWrap(true);
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
    QAction* preferences = addAction(file, Action::Preferences, localized("&Preferences…"));
    // Ctrl+, everywhere, and the desktop's own key where it has another.
    QList<QKeySequence> preferenceKeys{QKeySequence(Qt::CTRL | Qt::Key_Comma)};
    for (const QKeySequence& key : QKeySequence::keyBindings(QKeySequence::Preferences)) {
        if (!preferenceKeys.contains(key))
            preferenceKeys.append(key);
    }
    preferences->setShortcuts(preferenceKeys);
    preferences->setMenuRole(QAction::PreferencesRole);
    file->addSeparator();
    addAction(file, Action::ExportDrawing, localized("&Export Drawing…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_E));
    addAction(file, Action::PrintDrawing, localized("P&rint Drawing…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    file->addSeparator();
    addAction(file, Action::Quit, localized("&Quit"), QKeySequence::Quit)
        ->setMenuRole(QAction::QuitRole);

    QMenu* edit = menuBar()->addMenu(localized("&Edit"));
    m_editActions = new EditActions(edit, tapeTextView(), m_clearedTape, this);
    edit->addSeparator();
    addAction(edit, Action::CopyResults, localized("Copy &Results"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));

    QMenu* view = menuBar()->addMenu(localized("&View"));
    const std::pair<Action, QDockWidget*> panels[] = {{Action::ToggleInfo, m_infoDrawer},
                                                      {Action::ToggleTape, m_tapeDrawer},
                                                      {Action::ToggleGraphics, m_graphicsDrawer}};
    addAction(view, Action::ToggleInfo, localized("&Info Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_I));
    addAction(view, Action::ToggleTape, localized("&Tape Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_T));
    addAction(view, Action::ToggleGraphics, localized("&Graphics Panel"),
              QKeySequence(Qt::CTRL | Qt::Key_G));
    // The items show each panel's state; the controller's toggles open and close them.
    for (const auto& [which, dock] : panels) {
        QAction* item = action(which);
        item->setCheckable(true);
        connect(dock, &QDockWidget::visibilityChanged, item,
                [item, dock = dock] { item->setChecked(!dock->isHidden()); });
    }
    connect(view, &QMenu::aboutToShow, this, [this] { syncPanelItems(); });

    new ShapeMenu(menuBar()->addMenu(localized("&Shape")), this);

    QMenu* tape = menuBar()->addMenu(localized("&Tape"));
    addAction(tape, Action::ClearTape, localized("&Clear Tape"),
              QKeySequence(Qt::CTRL | Qt::Key_K));
    addAction(tape, Action::ClearAllTapes, localized("Clear &All Tapes…"),
              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));
    tape->addSeparator();
    addAction(tape, Action::ExportTape, localized("&Export Tape…"));
    addAction(tape, Action::PrintTape, localized("&Print Tape…"), QKeySequence::Print);
    m_tapeCommands = new TapeCommands(*this, action(Action::CopyResults),
                                      action(Action::ExportTape), action(Action::PrintTape));
    m_tapeEntryMenu = new TapeEntryMenu(*this);
    m_editActions->setEntryMenu(m_tapeEntryMenu);

    QMenu* help = menuBar()->addMenu(localized("&Help"));
    help->setToolTipsVisible(true); // says why an item is disabled
    addAction(help, Action::Help, localized("Polymetra &Help"), QKeySequence::HelpContents);
    addAction(help, Action::CheckForUpdates, localized("Check for &Updates…"));
    addAction(help, Action::About, localized("&About Polymetra"))->setMenuRole(QAction::AboutRole);

    connect(action(Action::ClearTape), &QAction::triggered, m_topTabView, &MyTabView::clearTape);
    connect(m_tapePanel->clearTapeButton(), &QPushButton::clicked, m_topTabView,
            &MyTabView::clearTape);
    connect(action(Action::Help), &QAction::triggered, this, &MainWindow::showHelp);
}

void MainWindow::syncPanelItems()
{
    action(Action::ToggleInfo)->setChecked(!m_infoDrawer->isHidden());
    action(Action::ToggleTape)->setChecked(!m_tapeDrawer->isHidden());
    action(Action::ToggleGraphics)->setChecked(!m_graphicsDrawer->isHidden());
}

void MainWindow::showHelp()
{
    if (!m_helpWindow)
        m_helpWindow = new HelpWindow(this);
    m_helpWindow->showSection(HelpWindow::anchorOf(selectedShape()));
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
    m_awake = true;
    for (const ShapePage& shape : m_pages) {
        if (shape.calculator)
            shape.calculator->awakeFromNib();
    }
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
    for (ShapePage& shape : m_pages) {
        if (shapeName == QLatin1String(shape.entry->name))
            return shape.calculator ? shape.calculator : build(shape);
    }
    return nullptr;
}

bool MainWindow::isBuilt(const QString& shapeName) const
{
    for (const ShapePage& shape : m_pages) {
        if (shapeName == QLatin1String(shape.entry->name))
            return shape.calculator != nullptr;
    }
    return false;
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

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    // Half of any height the window gains or loses goes to the drawing, which would
    // otherwise keep its height while the calculator's pane takes it all.
    const int gained = event->size().height() - event->oldSize().height();
    if (!isVisible() || event->oldSize().height() <= 0 || gained == 0 ||
        m_graphicsDrawer->isHidden() ||
        dockWidgetArea(m_graphicsDrawer) != Qt::BottomDockWidgetArea)
        return;
    const int height = m_graphicsDrawer->height() + gained / 2;
    resizeDocks({m_graphicsDrawer}, {std::max(height, m_graphicsPanel->minimumHeight())},
                Qt::Vertical);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    emit closing();
    event->accept();
}
