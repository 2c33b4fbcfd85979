#pragma once

#include "render/FigureFields.h"
#include "render/PlaneFigureLayout.h"
#include "render/PlaneLayout.h"
#include "render/ScaleLabel.h"

#include <QWidget>

#include <functional>
#include <map>

class QLabel;

// Draws the plane figure of the selected plane tab to scale, from the numbers shown in
// its calculator's fields, over a power-of-ten grid; the scale label beside it names the
// grid's scale. It never talks to a calculator: it redraws on "calculateAndDraw2DFigures"
// and only while the figure's fields hold a solved figure (they are read-only then).
class Render2DView : public QWidget {
    Q_OBJECT
public:
    // A plane figure and the fields it is drawn from.
    struct PlaneFigure {
        PlaneFigureLayout::Figure figure;
        FigureFields fields;
    };
    // Set by the window that assembles the view; none is owned.
    struct Outlets {
        QWidget* graphicsDrawer = nullptr;            // drawing happens only while it is shown
        std::function<QString()> selectedPlaneFigure; // identifier of the selected plane tab
        QLabel* scaleStringTextField = nullptr;
        std::map<QString, PlaneFigure> figures; // by tab identifier
    };

    explicit Render2DView(QWidget* parent = nullptr);

    void setOutlets(Outlets outlets) { m_outlets = std::move(outlets); }
    const Outlets& outlets() const { return m_outlets; }

    // Subscribes to "calculateAndDraw2DFigures".
    void awakeFromNib();

    // The layout computation: lays the figure out for the current bounds, updates the
    // scale label and schedules a redraw. Nothing happens while the drawer is closed.
    void calculateAndDraw2DFigures();

    // The figure on display as laid out in `bounds` (empty when the drawer is closed, the
    // tab names no plane figure or the figure's fields are not solved).
    PlaneLayout layoutFor(const QRectF& bounds) const;
    // The last layout and label the view computed.
    const PlaneLayout& layout() const { return m_layout; }
    const ScaleLabel& scaleLabel() const { return m_scaleLabel; }

    QSize sizeHint() const override { return QSize(400, 150); }
    QSize minimumSizeHint() const override { return QSize(60, 60); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool drawerIsOpen() const;
    const PlaneFigure* selectedFigure() const;
    // Recomputes the layout and the label from the fields without asking for a redraw,
    // so that the draw pass can run it.
    void layOutAndLabel();

    Outlets m_outlets;
    PlaneLayout m_layout;
    ScaleLabel m_scaleLabel;
};
