#pragma once

#include "app/MyTabView.h"
#include "core/ShapeCalculator.h"

#include <QMainWindow>

#include <vector>

class ClearedTape;
class EditActions;
class GraphicsPanel;
class HelpWindow;
class NavigationState;
class QAction;
class QDockWidget;
class QLabel;
class QScrollArea;
class QTextEdit;
class Render2DView;
class TapePanel;
class TapeView;
struct FigureFields;
class DrawingCommands;
class TapeCommands;
class TapeEntryMenu;
struct ShapeEntry;
class TypingFilterDelegate;

// The main window: the title, the "2D"/"3D" tab views with one tab per shape, and the
// three panels (info, tape, graphics). It builds each calculator when first needed and wires
// it to the tape and the typing filter; the controller drives the panels and the menus'
// actions.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class Action {
        ToggleInfo,
        ToggleTape,
        ToggleGraphics,
        Preferences,
        ExportDrawing,
        PrintDrawing,
        CopyResults,
        ExportTape,
        PrintTape,
        ClearTape,
        ClearAllTapes,
        Help,
        CheckForUpdates,
        About,
        Quit,
    };

    static constexpr QSize minimumWindowSize{560, 400};

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The calculator of a shape (by its English name), built on first use; nullptr for a
    // name that is no shape's. Only the shape on show is built before the first paint.
    ShapeCalculator* calculator(const QString& shapeName) const;
    // Whether the shape's calculator has been built yet.
    bool isBuilt(const QString& shapeName) const;

    // Selects a shape's tabs as the user would; false for an unknown name.
    bool selectShape(const QString& shapeName);
    QString selectedShape() const;

    MyTabView* topTabView() const { return m_topTabView; }
    MyTabView* d2TabView() const { return m_d2TabView; }
    MyTabView* d3TabView() const { return m_d3TabView; }
    MyTabView* tabViewFor(ShapeCalculator::Dimension dimension) const;
    TapeView* tapeTextView() const;
    // The line under the window where failures of files are shown.
    QLabel* noticeLine() const { return m_noticeLine; }
    QTextEdit* changeDrawerText() const { return m_infoText; }
    TapePanel* tapePanel() const { return m_tapePanel; }
    GraphicsPanel* graphicsPanel() const { return m_graphicsPanel; }
    QDockWidget* infoDrawer() const { return m_infoDrawer; }
    QDockWidget* tapeDrawer() const { return m_tapeDrawer; }
    QDockWidget* graphicsDrawer() const { return m_graphicsDrawer; }
    QLabel* changeLabelText() const { return m_titleLabel; }
    QAction* action(Action which) const;
    // The fields a shape's figure view reads, found by the outlets its table row names;
    // none while its calculator is not built.
    FigureFields figureFields(const ShapeEntry& entry) const;
    DrawingCommands* drawingCommands() const { return m_drawingCommands; }
    TapeCommands* tapeCommands() const { return m_tapeCommands; }
    TapeEntryMenu* tapeEntryMenu() const { return m_tapeEntryMenu; }
    QAction* clearAllTapesAction() const { return action(Action::ClearAllTapes); }
    EditActions* editActions() const { return m_editActions; }
    ClearedTape* clearedTape() const { return m_clearedTape; }
    HelpWindow* helpWindow() const { return m_helpWindow; }

    // The figure views the graphics panel swaps between.
    void setFigureViews(QWidget* render2DView, QWidget* render3DView);
    Render2DView* render2DView() const { return m_render2DView; }
    QLabel* scaleStringTextField() const { return m_scaleStringTextField; }

    // Prepares the calculators and the tab views once the window is assembled.
    void awakeFromNib();

signals:
    void closing();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A shape's tab page, empty until its calculator is first needed.
    struct ShapePage {
        const ShapeEntry* entry;
        QScrollArea* page;
        ShapeCalculator* calculator = nullptr;
    };
    QWidget* createShapePage(const struct ShapeEntry& entry);
    ShapeCalculator* build(ShapePage& page) const;
    // Points the figure views at a newly built calculator's fields.
    void connectFigureFields(const ShapeEntry& entry) const;
    void createDrawers();
    void createNoticeLine();
    void createMenus();
    void syncPanelItems();
    void showHelp();
    // The plane-figure view with its scale label beside it, wired to the plane calculators.
    QWidget* createPlaneFigureView();
    QAction* addAction(QMenu* menu, Action which, const QString& text,
                       const QKeySequence& shortcut = {});

    QLabel* m_titleLabel;
    QLabel* m_noticeLine = nullptr;
    MyTabView* m_topTabView;
    MyTabView* m_d2TabView;
    MyTabView* m_d3TabView;
    QTextEdit* m_infoText = nullptr;
    TapePanel* m_tapePanel = nullptr;
    GraphicsPanel* m_graphicsPanel = nullptr;
    QDockWidget* m_infoDrawer = nullptr;
    QDockWidget* m_tapeDrawer = nullptr;
    QDockWidget* m_graphicsDrawer = nullptr;
    Render2DView* m_render2DView = nullptr;
    QLabel* m_scaleStringTextField = nullptr;
    DrawingCommands* m_drawingCommands = nullptr;
    TapeCommands* m_tapeCommands = nullptr;
    TapeEntryMenu* m_tapeEntryMenu = nullptr;
    TypingFilterDelegate* m_typingFilter;
    // Built on demand from const lookups, as the calculators are part of the window's state
    // only once somebody asks for one.
    mutable std::vector<ShapePage> m_pages;
    bool m_awake = false;
    std::vector<std::pair<Action, QAction*>> m_actions;
    std::shared_ptr<MyTabView::Outlets> m_outlets;
    std::shared_ptr<NavigationState> m_navigation;
    ClearedTape* m_clearedTape;
    EditActions* m_editActions = nullptr;
    HelpWindow* m_helpWindow = nullptr;
};
