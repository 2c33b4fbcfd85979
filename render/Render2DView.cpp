#include "render/Render2DView.h"

#include "core/NotificationHub.h"
#include "render/PlaneFigurePainter.h"

#include <QLabel>
#include <QPainter>

Render2DView::Render2DView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("render2DView"));
    // Every pass paints the whole view.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Render2DView::awakeFromNib()
{
    connect(&NotificationHub::instance(), &NotificationHub::calculateAndDraw2DFigures, this,
            &Render2DView::calculateAndDraw2DFigures);
}

bool Render2DView::drawerIsOpen() const
{
    // Without a drawer the view is always on show.
    return !m_outlets.graphicsDrawer || !m_outlets.graphicsDrawer->isHidden();
}

const Render2DView::PlaneFigure* Render2DView::selectedFigure() const
{
    if (!m_outlets.selectedPlaneFigure)
        return nullptr;
    const auto found = m_outlets.figures.find(m_outlets.selectedPlaneFigure());
    return found == m_outlets.figures.end() ? nullptr : &found->second;
}

PlaneLayout Render2DView::layoutFor(const QRectF& bounds) const
{
    PlaneLayout nothing;
    nothing.thisViewsDimensions = bounds;
    if (!drawerIsOpen())
        return nothing;
    const PlaneFigure* figure = selectedFigure();
    if (!figure || figure->fields.unsolved())
        return nothing;
    return PlaneFigureLayout::layOut(
        bounds, PlaneFigureLayout::readings(figure->figure, figure->fields.readings()));
}

void Render2DView::layOutAndLabel()
{
    m_layout = layoutFor(QRectF(rect()));
    m_scaleLabel = ScaleLabel::calculateScalingString(m_layout.scalingRatio);
    QLabel* label = m_outlets.scaleStringTextField;
    if (label && label->text() != m_scaleLabel.text)
        label->setText(m_scaleLabel.text);
}

void Render2DView::calculateAndDraw2DFigures()
{
    m_layout.scalingRatio = 0;
    if (!drawerIsOpen())
        return;
    layOutAndLabel();
    update();
}

void Render2DView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PlaneFigurePainter::paintBlank(painter, QRectF(rect()));
    if (!drawerIsOpen())
        return;
    const PlaneFigure* figure = selectedFigure();
    if (!figure || figure->fields.unsolved(true))
        return;
    // The layout is recomputed from the fields on every pass, as the bounds may have
    // changed; unlike the notification's handler it asks for no further pass.
    layOutAndLabel();
    PlaneFigurePainter::paint(painter, height(), m_layout, m_scaleLabel.gridSpacing);
}
