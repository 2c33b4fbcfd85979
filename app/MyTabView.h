#pragma once

#include <QTabWidget>

#include <functional>
#include <memory>

class ClearedTape;
class GraphicsPanel;
class NavigationState;
class QLabel;
class QTextEdit;
class ShapeCalculator;
class TapeView;

// The class of the window's three tab views ("2D"/"3D" on top, the plane figures and the
// solids below). Whenever the user chooses another tab, or the controller asks for it,
// it brings the window in line with the selected shape: figure view, description,
// title, tape, stored selection, window icon and the figure's redraw.
class MyTabView : public QTabWidget {
    Q_OBJECT
public:
    struct Outlets {
        MyTabView* topTabView = nullptr;
        MyTabView* d2TabView = nullptr;
        MyTabView* d3TabView = nullptr;
        GraphicsPanel* graphicsLayoutView = nullptr;
        QWidget* render2DView = nullptr;
        QWidget* render3DView = nullptr;
        QTextEdit* changeDrawerText = nullptr;
        QLabel* changeLabelText = nullptr;
        TapeView* tapeTextView = nullptr;
        ClearedTape* clearedTape = nullptr; // keeps what Clear Tape removed, for Undo
        // A shape's calculator, built when first shown.
        std::function<ShapeCalculator*(const QString& shapeName)> calculatorFor;
    };

    explicit MyTabView(QWidget* parent = nullptr);

    void setOutlets(std::shared_ptr<Outlets> outlets) { m_outlets = std::move(outlets); }
    // The state the three views share; they follow the user's choices once it is set.
    void setNavigation(std::shared_ptr<NavigationState> navigation)
    {
        m_navigation = std::move(navigation);
    }

    // Adds a tab whose identifier (shape name, "2D" or "3D") differs from its label.
    int addIdentifiedTab(QWidget* page, const QString& identifier, const QString& label);
    QString identifier(int index) const;
    QString selectedIdentifier() const { return identifier(currentIndex()); }
    bool selectIdentifier(const QString& identifier);

    // Registers for "ChangeTab" (the top tab view only answers it).
    void awakeFromNib();
    // Restores the selection from the stored defaults and loads the selected shape.
    void initialSetUp();
    // The shape on display, by its English name.
    QString selectedShape() const;
    // Empties the selected shape's tape, in the view and on disk.
    void clearTape();

private:
    void selectionChangedByUser();
    void loadShape(const QString& shapeName, bool emptyInfoFirst);
    void swapFigureView(const QString& topIdentifier);

    std::shared_ptr<Outlets> m_outlets;
    std::shared_ptr<NavigationState> m_navigation;
};
