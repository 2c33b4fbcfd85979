#include "app/MyTabView.h"

#include "app/DockIcon.h"
#include "app/GraphicsPanel.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/NotificationCenter.h"
#include "core/RtfReader.h"
#include "core/TapeFiles.h"
#include "core/UserDefaults.h"

#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTextEdit>

namespace {

const QString top2D = QStringLiteral("2D");
const QString top3D = QStringLiteral("3D");

// The page that was selected when navigation last ran, in any of the tab views.
QWidget* lastItem = nullptr;

void loadInfoText(QTextEdit* view, const char* infoResource)
{
    QFile file(QStringLiteral(":/%1.rtfd/TXT.rtf").arg(QLatin1String(infoResource)));
    if (view && file.open(QIODevice::ReadOnly))
        RtfReader::read(file.readAll(), *view->document());
}

} // namespace

MyTabView::MyTabView(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (!m_restoring)
            selectionChangedByUser();
    });
}

int MyTabView::addIdentifiedTab(QWidget* page, const QString& identifier, const QString& label)
{
    m_restoring = true;
    const int index = addTab(page, label);
    tabBar()->setTabData(index, identifier);
    m_restoring = false;
    return index;
}

QString MyTabView::identifier(int index) const
{
    return tabBar()->tabData(index).toString();
}

bool MyTabView::selectIdentifier(const QString& identifier)
{
    for (int i = 0; i < count(); ++i) {
        if (this->identifier(i) == identifier) {
            setCurrentIndex(i);
            return true;
        }
    }
    return false;
}

void MyTabView::awakeFromNib()
{
    if (!m_outlets || m_outlets->topTabView != this)
        return;
    NotificationCenter::defaultCenter().addObserver(this, Notifications::changeTab,
                                                    [this](QObject*) { initialSetUp(); });
}

QString MyTabView::selectedShape() const
{
    const Outlets& o = *m_outlets;
    MyTabView* family = o.topTabView->selectedIdentifier() == top3D ? o.d3TabView : o.d2TabView;
    return family->selectedIdentifier();
}

void MyTabView::selectionChangedByUser()
{
    if (!m_outlets || currentWidget() == lastItem)
        return;
    const Outlets& o = *m_outlets;
    const QString item = selectedIdentifier();
    QString shape;
    UserDefaults defaults;
    if (item == top2D || item == top3D) {
        defaults.setString(DefaultsKeys::topTab, item);
        shape = (item == top2D ? o.d2TabView : o.d3TabView)->selectedIdentifier();
        swapFigureView(item);
    } else {
        shape = item;
    }
    loadShape(shape, true);
    DockIcon::apply(shape);
    lastItem = currentWidget();
}

void MyTabView::loadShape(const QString& shapeName, bool emptyInfoFirst)
{
    const ShapeEntry* entry = ShapeCatalog::find(shapeName);
    if (!entry)
        return;
    const Outlets& o = *m_outlets;
    if (emptyInfoFirst && o.changeDrawerText)
        o.changeDrawerText->clear();
    loadInfoText(o.changeDrawerText, entry->infoResource);
    if (o.changeLabelText)
        o.changeLabelText->setText(localized(entry->name));
    TapeFiles::setTapeTextViewToFile(localized(entry->name), o.tapeTextView);

    const bool plane = entry->dimension == ShapeCalculator::Dimension::Plane;
    UserDefaults().setString(plane ? DefaultsKeys::bottomTab2D : DefaultsKeys::bottomTab3D,
                             shapeName);
    NotificationCenter::defaultCenter().post(plane ? Notifications::calculateAndDraw2DFigures
                                                   : Notifications::calculateAndDraw3DFigures);
}

void MyTabView::swapFigureView(const QString& topIdentifier)
{
    const Outlets& o = *m_outlets;
    if (!o.graphicsLayoutView)
        return;
    o.graphicsLayoutView->setFigureView(topIdentifier == top3D ? o.render3DView : o.render2DView);
}

void MyTabView::initialSetUp()
{
    const Outlets& o = *m_outlets;
    UserDefaults defaults;
    QString top = defaults.stringForKey(DefaultsKeys::topTab);
    const QString stored2D = defaults.stringForKey(DefaultsKeys::bottomTab2D);
    const QString stored3D = defaults.stringForKey(DefaultsKeys::bottomTab3D);

    for (MyTabView* view : {o.topTabView, o.d2TabView, o.d3TabView})
        view->m_restoring = true;
    lastItem = currentWidget();

    if (top.isEmpty()) {
        // A first run shows the default plane figure at once rather than an empty window.
        top = top2D;
        defaults.setString(DefaultsKeys::topTab, top);
    }
    o.topTabView->selectIdentifier(top);
    if (top == top2D || top == top3D)
        swapFigureView(top);

    const QString plane = stored2D.isEmpty()
                              ? ShapeCatalog::defaultShape(ShapeCalculator::Dimension::Plane)
                              : stored2D;
    if (stored2D.isEmpty())
        defaults.setString(DefaultsKeys::bottomTab2D, plane);
    o.d2TabView->selectIdentifier(plane);
    const QString solid = stored3D.isEmpty()
                              ? ShapeCatalog::defaultShape(ShapeCalculator::Dimension::Solid)
                              : stored3D;
    if (stored3D.isEmpty())
        defaults.setString(DefaultsKeys::bottomTab3D, solid);
    o.d3TabView->selectIdentifier(solid);

    for (MyTabView* view : {o.topTabView, o.d2TabView, o.d3TabView})
        view->m_restoring = false;

    if (top == top2D)
        loadShape(plane, false);
    else if (top == top3D)
        loadShape(solid, false);
}

void MyTabView::clearTape()
{
    const Outlets& o = *m_outlets;
    UserDefaults().setString(DefaultsKeys::topTab, o.topTabView->selectedIdentifier());
    const QString shape = selectedShape();
    if (const ShapeEntry* entry = ShapeCatalog::find(shape))
        TapeFiles::clearTape(localized(entry->name), o.tapeTextView);
}
