#include "app/MainWindow.h"

#include "app/ShapeCatalog.h"
#include "app/TapePanel.h"
#include "app/UnavailableShapePane.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/TapeFiles.h"
#include "core/TextField.h"
#include "core/TypingFilterDelegate.h"
#include "core/UserDefaults.h"

#include <QDockWidget>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

namespace {
constexpr const char* topTab2D = "2D";
constexpr const char* topTab3D = "3D";
} // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), m_titleLabel(new QLabel), m_topTabView(new QTabWidget),
      m_d2TabView(new QTabWidget), m_d3TabView(new QTabWidget),
      m_typingFilter(new TypingFilterDelegate(this))
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

    createTapeDrawer();

    for (const ShapeEntry& entry : ShapeCatalog::shapes()) {
        QTabWidget* tabs = tabViewFor(entry.dimension);
        const int index = tabs->addTab(createShapePage(entry), localized(entry.name));
        tabs->tabBar()->setTabData(index, QString::fromLatin1(entry.name));
    }
    m_topTabView->addTab(m_d2TabView, localized(topTab2D));
    m_topTabView->tabBar()->setTabData(0, QString::fromLatin1(topTab2D));
    m_topTabView->addTab(m_d3TabView, localized(topTab3D));
    m_topTabView->tabBar()->setTabData(1, QString::fromLatin1(topTab3D));

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(m_titleLabel);
    layout->addWidget(m_topTabView, 1);
    setCentralWidget(central);

    createMenus();
    for (QTabWidget* tabs : {m_topTabView, m_d2TabView, m_d3TabView})
        connect(tabs, &QTabWidget::currentChanged, this, &MainWindow::selectionChanged);
    NotificationCenter::defaultCenter().addObserver(this, Notifications::changeTab,
                                                    [this](QObject*) { selectionChanged(); });
    resize(760, 460);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::createShapePage(const ShapeEntry& entry)
{
    if (!entry.createCalculator)
        return new UnavailableShapePane(localized(entry.name));
    ShapeCalculator* calculator = entry.createCalculator();
    calculator->setTapeView(tapeTextView());
    for (int i = 0; i < calculator->fieldCount(); ++i)
        m_typingFilter->watch(calculator->field(i));
    m_calculators.push_back(calculator);
    return calculator;
}

void MainWindow::createTapeDrawer()
{
    m_tapePanel = new TapePanel;
    m_tapeDrawer = new QDockWidget(localized("Tape"), this);
    m_tapeDrawer->setObjectName(QStringLiteral("tapeDrawer"));
    m_tapeDrawer->setWidget(m_tapePanel);
    addDockWidget(Qt::LeftDockWidgetArea, m_tapeDrawer);
    connect(m_tapePanel->clearTapeButton(), &QPushButton::clicked, this, &MainWindow::clearTape);
}

void MainWindow::createMenus()
{
    QMenu* tapeMenu = menuBar()->addMenu(localized("&Tape"));
    QAction* clearTapeAction = tapeMenu->addAction(localized("Clear Tape"));
    connect(clearTapeAction, &QAction::triggered, this, &MainWindow::clearTape);
    m_clearAllTapesAction = tapeMenu->addAction(localized("Clear All Tapes…"));
    m_clearAllTapesAction->setObjectName(QStringLiteral("clearAllTapesAction"));
    connect(m_clearAllTapesAction, &QAction::triggered, this, &MainWindow::clearAllTapesRequested);
}

QTextEdit* MainWindow::tapeTextView() const
{
    return m_tapePanel->tapeTextView();
}

void MainWindow::selectionChanged()
{
    m_titleLabel->setText(localized(selectedShape().toLatin1().constData()));
    loadSelectedTape();
}

void MainWindow::loadSelectedTape()
{
    const QString shape = selectedShape();
    if (!shape.isEmpty())
        TapeFiles::setTapeTextViewToFile(localized(shape.toLatin1().constData()), tapeTextView());
}

void MainWindow::clearTape()
{
    const bool solid = m_topTabView->currentWidget() == m_d3TabView;
    UserDefaults().setString(DefaultsKeys::topTab,
                             solid ? QStringLiteral("3D") : QStringLiteral("2D"));
    TapeFiles::clearTape(localized(selectedShape().toLatin1().constData()), tapeTextView());
}

void MainWindow::awakeFromNib()
{
    for (ShapeCalculator* calculator : m_calculators)
        calculator->awakeFromNib();
}

QTabWidget* MainWindow::tabViewFor(ShapeCalculator::Dimension dimension) const
{
    return dimension == ShapeCalculator::Dimension::Plane ? m_d2TabView : m_d3TabView;
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
    QTabWidget* tabs = tabViewFor(entry->dimension);
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabBar()->tabData(i).toString() == shapeName)
            tabs->setCurrentIndex(i);
    }
    m_topTabView->setCurrentWidget(tabs);
    return true;
}

QString MainWindow::selectedShape() const
{
    auto* tabs = qobject_cast<QTabWidget*>(m_topTabView->currentWidget());
    if (!tabs)
        return {};
    return tabs->tabBar()->tabData(tabs->currentIndex()).toString();
}
