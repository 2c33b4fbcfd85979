#include "render/Render2DView.h"

#include "core/NotificationCenter.h"
#include "core/TextField.h"
#include "render/PlaneFigurePainter.h"

#include <QLabel>
#include <QPainter>

namespace {

float reading(const TextField* field)
{
    return field ? field->floatValue() : 0.f;
}

} // namespace

Render2DView::Render2DView(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("render2DView"));
    // Every pass paints the whole view.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void Render2DView::awakeFromNib()
{
    NotificationCenter::defaultCenter().addObserver(
        this, Notifications::calculateAndDraw2DFigures,
        [this](QObject*) { calculateAndDraw2DFigures(); });
}

bool Render2DView::drawerIsOpen() const
{
    // Without a drawer the view is always on show.
    return !m_outlets.graphicsDrawer || !m_outlets.graphicsDrawer->isHidden();
}

std::optional<PlaneFigureLayout::Figure> Render2DView::selectedFigure() const
{
    if (!m_outlets.selectedPlaneFigure)
        return std::nullopt;
    return PlaneFigureLayout::figureNamed(m_outlets.selectedPlaneFigure());
}

bool Render2DView::keyFieldIsEditable(PlaneFigureLayout::Figure figure, KeyFieldUse use) const
{
    using Figure = PlaneFigureLayout::Figure;
    const Outlets& o = m_outlets;
    const bool drawPass = use == KeyFieldUse::DrawPass;
    const TextField* key = nullptr;
    switch (figure) {
    case Figure::Ellipse:
        key = o.ellipseRadiusATextField;
        break;
    case Figure::Circle:
        key = o.circleRadiusTextField;
        break;
    case Figure::Rectangle:
        key = o.rectangleSideATextField;
        break;
    case Figure::Square:
        key = o.squareSideTextField;
        break;
    case Figure::Triangle:
        key = drawPass ? o.triangleAngleATextField : o.triangleSideATextField;
        break;
    case Figure::Trapezium:
        key = drawPass ? o.trapeziumAngleATextField : o.trapeziumSideATextField;
        break;
    case Figure::Parallelogram:
        key = drawPass ? o.parallelogramAngleATextField : o.parallelogramSideATextField;
        break;
    case Figure::RegularPolygon:
        key = drawPass ? o.polygonNSidesTextField : o.polygonSideTextField;
        break;
    }
    // A figure without its fields has nothing solved to show.
    return !key || key->isEditable();
}

PlaneFigureReadings::Any Render2DView::readings(PlaneFigureLayout::Figure figure) const
{
    using Figure = PlaneFigureLayout::Figure;
    namespace R = PlaneFigureReadings;
    const Outlets& o = m_outlets;
    switch (figure) {
    case Figure::Ellipse:
        return R::Ellipse{reading(o.ellipseRadiusATextField), reading(o.ellipseRadiusBTextField)};
    case Figure::Circle:
        return R::Circle{reading(o.circleRadiusTextField)};
    case Figure::Rectangle:
        return R::Rectangle{reading(o.rectangleSideATextField), reading(o.rectangleSideBTextField)};
    case Figure::Square:
        return R::Square{reading(o.squareSideTextField)};
    case Figure::Triangle:
        return R::Triangle{reading(o.triangleSideATextField),  reading(o.triangleSideBTextField),
                           reading(o.triangleSideCTextField),  reading(o.triangleAngleATextField),
                           reading(o.triangleAngleBTextField), reading(o.triangleAngleCTextField),
                           reading(o.triangleHeightTextField)};
    case Figure::Trapezium:
        return R::Trapezium{
            reading(o.trapeziumSideATextField),  reading(o.trapeziumSideBTextField),
            reading(o.trapeziumSideCTextField),  reading(o.trapeziumSideDTextField),
            reading(o.trapeziumAngleATextField), reading(o.trapeziumAngleBTextField),
            reading(o.trapeziumAngleCTextField), reading(o.trapeziumAngleDTextField),
            reading(o.trapeziumHeightTextField)};
    case Figure::Parallelogram:
        return R::Parallelogram{
            reading(o.parallelogramSideATextField), reading(o.parallelogramSideBTextField),
            reading(o.parallelogramAngleATextField), reading(o.parallelogramAngleBTextField),
            reading(o.parallelogramHeightTextField)};
    case Figure::RegularPolygon:
        return R::RegularPolygon{reading(o.polygonNSidesTextField),
                                 reading(o.polygonRadiusATextField)};
    }
    return R::Circle{};
}

PlaneLayout Render2DView::layoutFor(const QRectF& bounds) const
{
    PlaneLayout nothing;
    nothing.thisViewsDimensions = bounds;
    if (!drawerIsOpen())
        return nothing;
    const std::optional<PlaneFigureLayout::Figure> figure = selectedFigure();
    if (!figure || keyFieldIsEditable(*figure, KeyFieldUse::Layout))
        return nothing;
    return PlaneFigureLayout::layOut(bounds, readings(*figure));
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
    const std::optional<PlaneFigureLayout::Figure> figure = selectedFigure();
    if (!figure || keyFieldIsEditable(*figure, KeyFieldUse::DrawPass))
        return;
    // The layout is recomputed from the fields on every pass, as the bounds may have
    // changed; unlike the notification's handler it asks for no further pass.
    layOutAndLabel();
    PlaneFigurePainter::paint(painter, height(), m_layout, m_scaleLabel.gridSpacing);
}
