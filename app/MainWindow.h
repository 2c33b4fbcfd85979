#pragma once

#include "core/ShapeCalculator.h"

#include <QMainWindow>

#include <vector>

class QAction;
class QDockWidget;
class TapePanel;
class QLabel;
class QTabWidget;
class QTextEdit;
class TypingFilterDelegate;

// The main window: the title, the "2D"/"3D" tabs with one tab per shape, and the tape
// panel. It creates every calculator and wires them to the tape and the typing filter.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The calculator of a shape (by its English name), or nullptr if not built yet.
    ShapeCalculator* calculator(const QString& shapeName) const;
    const std::vector<ShapeCalculator*>& calculators() const { return m_calculators; }

    // Selects a shape's tab as a click would; false for an unknown name.
    bool selectShape(const QString& shapeName);
    QString selectedShape() const;

    QTabWidget* topTabView() const { return m_topTabView; }
    QTabWidget* d2TabView() const { return m_d2TabView; }
    QTabWidget* d3TabView() const { return m_d3TabView; }
    QTabWidget* tabViewFor(ShapeCalculator::Dimension dimension) const;
    QTextEdit* tapeTextView() const;
    TapePanel* tapePanel() const { return m_tapePanel; }
    QDockWidget* tapeDrawer() const { return m_tapeDrawer; }
    QAction* clearAllTapesAction() const { return m_clearAllTapesAction; }
    QLabel* changeLabelText() const { return m_titleLabel; }

    // Runs each calculator's preparation once the window is assembled.
    void awakeFromNib();

    // Loads the selected shape's tape into the tape view.
    void loadSelectedTape();
    // Empties the selected shape's tape, in the view and on disk.
    void clearTape();

signals:
    void clearAllTapesRequested();

private:
    QWidget* createShapePage(const struct ShapeEntry& entry);
    void createTapeDrawer();
    void createMenus();
    void selectionChanged();

    QLabel* m_titleLabel;
    QTabWidget* m_topTabView;
    QTabWidget* m_d2TabView;
    QTabWidget* m_d3TabView;
    TapePanel* m_tapePanel = nullptr;
    QDockWidget* m_tapeDrawer = nullptr;
    QAction* m_clearAllTapesAction = nullptr;
    TypingFilterDelegate* m_typingFilter;
    std::vector<ShapeCalculator*> m_calculators;
};
