#include "app/MyTabView.h"

#include "app/ClearedTape.h"
#include "app/DockIcon.h"
#include "app/GraphicsPanel.h"
#include "app/NavigationState.h"
#include "app/ShapeCatalog.h"
#include "core/Localization.h"
#include "core/NotificationHub.h"
#include "core/RtfReader.h"
#include "core/TapeFiles.h"
#include "core/Translations.h"
#include "core/UserDefaults.h"

#include <QFile>
#include <QLabel>
#include <QTabBar>
#include <QTextEdit>

namespace {

void loadInfoText(QTextEdit* view, const char* infoResource)
{
    QFile file(Translations::localizedResource(
        QStringLiteral("%1.rtfd/TXT.rtf").arg(QLatin1String(infoResource))));
    if (view && file.open(QIODevice::ReadOnly))
        RtfReader::read(file.readAll(), *view->document());
}

} // namespace

MyTabView::MyTabView(QWidget* parent) : QTabWidget(parent)
{
    connect(this, &QTabWidget::currentChanged, this, [this] {
        if (m_outlets && m_navigation && !m_navigation->isRestoring())
            selectionChangedByUser();
    });
}

int MyTabView::addIdentifiedTab(QWidget* page, const QString& identifier, const QString& label)
{
    // The first tab becomes the current one before it has its identifier.
    std::optional<NavigationState::Restoring> restoring;
    if (m_navigation)
        restoring.emplace(*m_navigation);
    const int index = addTab(page, label);
    tabBar()->setTabData(index, identifier);
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
    MyTabView* family =
        UserDefaults::topTabNamed(o.topTabView->selectedIdentifier()) == TopTab::Solid
            ? o.d3TabView
            : o.d2TabView;
    return family->selectedIdentifier();
}

void MyTabView::selectionChangedByUser()
{
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
    if (shape != m_navigation->shownShape())
        loadShape(shape, true);
}

void MyTabView::loadShape(const QString& shapeName, bool emptyInfoFirst)
{
    const ShapeEntry* entry = ShapeCatalog::find(shapeName);
    if (!entry)
        return;
    const Outlets& o = *m_outlets;
    m_navigation->setShownShape(shapeName);
    if (emptyInfoFirst && o.changeDrawerText)
        o.changeDrawerText->clear();
    loadInfoText(o.changeDrawerText, entry->infoResource);
    if (o.changeLabelText)
        o.changeLabelText->setText(localized(entry->name));
    TapeFiles::setTapeTextViewToFile(shapeName, o.tapeTextView);
    DockIcon::apply(shapeName);

    const bool plane = entry->dimension == ShapeCalculator::Dimension::Plane;
    UserDefaults().setBottomTab(plane ? TopTab::Plane : TopTab::Solid, shapeName);
    if (ShapeCalculator* calculator = o.calculatorFor ? o.calculatorFor(shapeName) : nullptr)
        calculator->focusPreferredField();
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
    const bool solid = UserDefaults::topTabNamed(topIdentifier) == TopTab::Solid;
    o.graphicsLayoutView->setFigureView(solid ? o.render3DView : o.render2DView);
}

void MyTabView::initialSetUp()
{
    const Outlets& o = *m_outlets;
    UserDefaults defaults;
    const std::optional<TopTab> stored = defaults.topTab();
    const QString stored2D = defaults.bottomTab(TopTab::Plane);
    const QString stored3D = defaults.bottomTab(TopTab::Solid);

    std::optional<NavigationState::Restoring> restoring(std::in_place, *m_navigation);
    // A first run shows the default plane figure at once rather than an empty window; a
    // value that names neither family is treated as missing, so that some shape's tape is
    // always the one on show.
    const TopTab top = stored.value_or(TopTab::Plane);
    if (!stored)
        defaults.setTopTab(top);
    o.topTabView->selectIdentifier(UserDefaults::topTabName(top));
    swapFigureView(UserDefaults::topTabName(top));

    // A stored shape that is not one of the family's (an older or edited settings file)
    // is replaced by the family's default, like a missing one.
    const auto restore = [&defaults](MyTabView* family, TopTab tab, const QString& stored,
                                     ShapeCalculator::Dimension dimension) {
        if (!family->selectIdentifier(stored)) {
            const QString fallback = ShapeCatalog::defaultShape(dimension);
            family->selectIdentifier(fallback);
            defaults.setBottomTab(tab, fallback);
        }
        return family->selectedIdentifier();
    };
    const QString plane =
        restore(o.d2TabView, TopTab::Plane, stored2D, ShapeCalculator::Dimension::Plane);
    const QString solid =
        restore(o.d3TabView, TopTab::Solid, stored3D, ShapeCalculator::Dimension::Solid);
    restoring.reset();

    loadShape(top == TopTab::Plane ? plane : solid, false);
}

void MyTabView::clearTape()
{
    const Outlets& o = *m_outlets;
    UserDefaults().setString(DefaultsKeys::topTab, o.topTabView->selectedIdentifier());
    const QString shape = selectedShape();
    if (!ShapeCatalog::find(shape))
        return;
    if (o.clearedTape)
        o.clearedTape->clear(shape, o.tapeTextView);
    else
        TapeFiles::clearTape(shape, o.tapeTextView);
}
