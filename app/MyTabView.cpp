#include "app/MyTabView.h"

#include "app/DockIcon.h"
#include "app/GraphicsPanel.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/NotificationHub.h"
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
    connect(&NotificationHub::instance(), &NotificationHub::changeTab, this,
            &MyTabView::initialSetUp);
}

QString MyTabView::selectedShape() const
{
    const Outlets& o = *m_outlets;
    MyTabView* family = o.topTabView->selectedIdentifier() == top3D ? o.d3TabView : o.d2TabView;
    return family->selectedIdentifier();
}

void MyTabView::selectionChangedByUser()
{
    if (!m_outlets)
        return;
    const Outlets& o = *m_outlets;
    if (this == o.topTabView) {
        const QString top = selectedIdentifier();
        UserDefaults().setString(DefaultsKeys::topTab, top);
        swapFigureView(top);
    }
    // Whatever changed the selection (a click on either row, the keyboard, the program),
    // the window follows the shape now selected, and only when that shape changed: the
    // shape tab of a family that is not on top changes nothing on screen.
    const QString shape = selectedShape();
    if (shape != o.shownShape)
        loadShape(shape, true);
}

void MyTabView::loadShape(const QString& shapeName, bool emptyInfoFirst)
{
    const ShapeEntry* entry = ShapeCatalog::find(shapeName);
    if (!entry)
        return;
    Outlets& o = *m_outlets;
    o.shownShape = shapeName;
    if (emptyInfoFirst && o.changeDrawerText)
        o.changeDrawerText->clear();
    loadInfoText(o.changeDrawerText, entry->infoResource);
    if (o.changeLabelText)
        o.changeLabelText->setText(localized(entry->name));
    TapeFiles::setTapeTextViewToFile(shapeName, o.tapeTextView);
    DockIcon::apply(shapeName);

    const bool plane = entry->dimension == ShapeCalculator::Dimension::Plane;
    UserDefaults().setString(plane ? DefaultsKeys::bottomTab2D : DefaultsKeys::bottomTab3D,
                             shapeName);
    NotificationHub& hub = NotificationHub::instance();
    if (plane)
        emit hub.calculateAndDraw2DFigures();
    else
        emit hub.calculateAndDraw3DFigures();
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

    if (top != top2D && top != top3D) {
        // A first run shows the default plane figure at once rather than an empty window;
        // a value that names neither family is treated as missing, so that some shape's
        // tape is always the one on show.
        top = top2D;
        defaults.setString(DefaultsKeys::topTab, top);
    }
    o.topTabView->selectIdentifier(top);
    swapFigureView(top);

    // A stored shape that is not one of the family's (an older or edited settings file)
    // is replaced by the family's default, like a missing one.
    const auto restore = [&defaults](MyTabView* family, const QString& key, const QString& stored,
                                     ShapeCalculator::Dimension dimension) {
        if (!family->selectIdentifier(stored)) {
            const QString fallback = ShapeCatalog::defaultShape(dimension);
            family->selectIdentifier(fallback);
            defaults.setString(key, fallback);
        }
        return family->selectedIdentifier();
    };
    const QString plane = restore(o.d2TabView, DefaultsKeys::bottomTab2D, stored2D,
                                  ShapeCalculator::Dimension::Plane);
    const QString solid = restore(o.d3TabView, DefaultsKeys::bottomTab3D, stored3D,
                                  ShapeCalculator::Dimension::Solid);

    for (MyTabView* view : {o.topTabView, o.d2TabView, o.d3TabView})
        view->m_restoring = false;

    loadShape(top == top2D ? plane : solid, false);
}

void MyTabView::clearTape()
{
    const Outlets& o = *m_outlets;
    UserDefaults().setString(DefaultsKeys::topTab, o.topTabView->selectedIdentifier());
    const QString shape = selectedShape();
    if (ShapeCatalog::find(shape))
        TapeFiles::clearTape(shape, o.tapeTextView);
}
