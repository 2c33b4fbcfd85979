#include "app/PanelState.h"

#include "app/MainWindow.h"
#include "core/NotificationHub.h"
#include "core/TapeView.h"

#include <QDockWidget>
#include <QLayout>
#include <QScreen>

PanelState::PanelState(MainWindow* window, QObject* parent) : QObject(parent), m_window(window) {}

int PanelState::clampedSize(int stored, int fallback, int screenExtent)
{
    // A panel dragged down to a sliver (or an edited setting) opens at its default size.
    return stored < minimumUsableSize ? fallback : std::min(stored, screenExtent);
}

bool PanelState::isOpen(const QDockWidget* drawer)
{
    return !drawer->isHidden();
}

bool PanelState::tapeIsAtLeft() const
{
    return m_window->dockWidgetArea(m_window->tapeDrawer()) == Qt::LeftDockWidgetArea;
}

int PanelState::storedSize(const QString& key, int fallback, Qt::Orientation orientation) const
{
    const QScreen* screen = m_window->screen();
    const QSize extent = screen ? screen->availableGeometry().size() : QSize(4096, 4096);
    return clampedSize(UserDefaults().integerForKey(key), fallback,
                       orientation == Qt::Horizontal ? extent.width() : extent.height());
}

void PanelState::setContentSize(QDockWidget* drawer, int size, Qt::Orientation orientation)
{
    // The stored sizes are the content's; the panel adds its title bar and frame, which
    // are known only once the window is laid out, so measure and correct once.
    auto contentSize = [drawer, orientation] {
        return orientation == Qt::Horizontal ? drawer->widget()->width()
                                             : drawer->widget()->height();
    };
    auto panelSize = [drawer, orientation] {
        return orientation == Qt::Horizontal ? drawer->width() : drawer->height();
    };
    QLayout* layout = m_window->layout();
    for (int pass = 0; pass < 2; ++pass) {
        if (layout)
            layout->activate();
        const int frame = std::max(0, panelSize() - contentSize());
        m_window->resizeDocks({drawer}, {size + frame}, orientation);
        if (layout)
            layout->activate();
        if (contentSize() == size)
            break;
    }
}

void PanelState::prepareStoredSizes()
{
    UserDefaults defaults;
    defaults.setInteger(
        DefaultsKeys::tapeDrawerHeight,
        storedSize(DefaultsKeys::tapeDrawerHeight, defaultTapeHeight, Qt::Vertical));
    defaults.setInteger(
        DefaultsKeys::tapeDrawerWidth,
        storedSize(DefaultsKeys::tapeDrawerWidth, defaultDrawerWidth, Qt::Horizontal));
    if (defaults.stringForKey(DefaultsKeys::tapeDrawerEdge).isEmpty())
        defaults.setTapeEdge(TapeEdge::Left);
}

void PanelState::restore()
{
    UserDefaults defaults;
    QDockWidget* info = m_window->infoDrawer();
    if (defaults.drawerState(Drawer::Info) == DrawerSetting::Closed) {
        info->hide();
    } else {
        info->show();
        defaults.setDrawerState(Drawer::Info, DrawerSetting::Open);
    }
    setContentSize(info, storedSize(DefaultsKeys::drawerWidth, defaultDrawerWidth, Qt::Horizontal),
                   Qt::Horizontal);

    if (defaults.drawerState(Drawer::Tape) == DrawerSetting::Closed) {
        m_window->tapeDrawer()->hide();
    } else {
        openTapeAtEdge(defaults.tapeEdge());
        defaults.setDrawerState(Drawer::Tape, DrawerSetting::Open);
    }

    QDockWidget* graphics = m_window->graphicsDrawer();
    if (defaults.drawerState(Drawer::Graphics) == DrawerSetting::Closed) {
        graphics->hide();
    } else {
        graphics->show();
        defaults.setDrawerState(Drawer::Graphics, DrawerSetting::Open);
    }
    setContentSize(
        graphics,
        storedSize(DefaultsKeys::graphicsDrawerHeight, defaultGraphicsHeight, Qt::Vertical),
        Qt::Vertical);
}

void PanelState::store()
{
    UserDefaults defaults;
    const auto stateOf = [](const QDockWidget* drawer) {
        return isOpen(drawer) ? DrawerSetting::Open : DrawerSetting::Closed;
    };
    QDockWidget* info = m_window->infoDrawer();
    QDockWidget* tape = m_window->tapeDrawer();
    QDockWidget* graphics = m_window->graphicsDrawer();
    defaults.setDrawerState(Drawer::Info, stateOf(info));
    if (isOpen(info))
        defaults.setInteger(DefaultsKeys::drawerWidth, info->widget()->width());
    defaults.setDrawerState(Drawer::Tape, stateOf(tape));
    if (isOpen(tape)) {
        const bool bottom = m_window->dockWidgetArea(tape) == Qt::BottomDockWidgetArea;
        defaults.setInteger(bottom ? DefaultsKeys::tapeDrawerHeight : DefaultsKeys::tapeDrawerWidth,
                            bottom ? tape->widget()->height() : tape->widget()->width());
    }
    defaults.setDrawerState(Drawer::Graphics, stateOf(graphics));
    if (isOpen(graphics))
        defaults.setInteger(DefaultsKeys::graphicsDrawerHeight, graphics->widget()->height());
}

void PanelState::openTapeAtEdge(TapeEdge edge)
{
    QDockWidget* tape = m_window->tapeDrawer();
    const bool bottom = edge == TapeEdge::Bottom;
    m_window->addDockWidget(bottom ? Qt::BottomDockWidgetArea : Qt::LeftDockWidgetArea, tape,
                            bottom ? Qt::Horizontal : Qt::Vertical);
    tape->show();
    if (bottom)
        setContentSize(tape,
                       storedSize(DefaultsKeys::tapeDrawerHeight, defaultTapeHeight, Qt::Vertical),
                       Qt::Vertical);
    else
        setContentSize(
            tape, storedSize(DefaultsKeys::tapeDrawerWidth, defaultDrawerWidth, Qt::Horizontal),
            Qt::Horizontal);
}

void PanelState::closeInfoIfSharingTheLeftEdge()
{
    QDockWidget* info = m_window->infoDrawer();
    if (isOpen(info)) {
        info->hide();
        UserDefaults().setDrawerState(Drawer::Info, DrawerSetting::Closed);
    }
}

void PanelState::toggleInfo()
{
    UserDefaults defaults;
    QDockWidget* info = m_window->infoDrawer();
    if (isOpen(info)) {
        info->hide();
        defaults.setDrawerState(Drawer::Info, DrawerSetting::Closed);
        return;
    }
    info->show();
    QDockWidget* tape = m_window->tapeDrawer();
    if (isOpen(tape) && tapeIsAtLeft()) {
        defaults.setInteger(DefaultsKeys::tapeDrawerWidth, tape->widget()->width());
        tape->hide();
        defaults.setDrawerState(Drawer::Tape, DrawerSetting::Closed);
    }
    defaults.setDrawerState(Drawer::Info, DrawerSetting::Open);
}

void PanelState::toggleTape()
{
    UserDefaults defaults;
    QDockWidget* tape = m_window->tapeDrawer();
    if (isOpen(tape)) {
        if (tapeIsAtLeft())
            defaults.setInteger(DefaultsKeys::tapeDrawerWidth, tape->widget()->width());
        tape->hide();
        // Missing until termination: no tape entries while the user keeps the tape closed.
        defaults.setDrawerState(Drawer::Tape, DrawerSetting::Missing);
        return;
    }
    const TapeEdge edge = defaults.tapeEdge();
    openTapeAtEdge(edge);
    defaults.setDrawerState(Drawer::Tape, DrawerSetting::Open);
    if (edge == TapeEdge::Left)
        closeInfoIfSharingTheLeftEdge();
}

void PanelState::toggleGraphics()
{
    QDockWidget* graphics = m_window->graphicsDrawer();
    const bool open = isOpen(graphics);
    graphics->setVisible(!open);
    UserDefaults().setDrawerState(Drawer::Graphics,
                                  open ? DrawerSetting::Closed : DrawerSetting::Open);
    emit NotificationHub::instance().calculateAndDraw3DFigures();
}

void PanelState::moveTape(TapeEdge edge)
{
    UserDefaults defaults;
    QDockWidget* tape = m_window->tapeDrawer();
    if (isOpen(tape)) {
        tape->hide();
        defaults.setDrawerState(Drawer::Tape, DrawerSetting::Missing);
    }
    defaults.setTapeEdge(edge);
    openTapeAtEdge(edge);
    m_window->tapeTextView()->moveCursor(QTextCursor::End);
    m_window->tapeTextView()->ensureCursorVisible();
    defaults.setDrawerState(Drawer::Tape, DrawerSetting::Open);
    if (edge == TapeEdge::Left)
        closeInfoIfSharingTheLeftEdge();
}

void PanelState::openInfo()
{
    m_window->infoDrawer()->show();
    UserDefaults().setDrawerState(Drawer::Info, DrawerSetting::Open);
}

void PanelState::openTape()
{
    UserDefaults defaults;
    openTapeAtEdge(defaults.tapeEdge());
    defaults.setDrawerState(Drawer::Tape, DrawerSetting::Open);
}
