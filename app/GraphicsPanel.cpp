#include "app/GraphicsPanel.h"

#include <QVBoxLayout>

GraphicsPanel::GraphicsPanel(QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("graphicsLayoutView"));
    m_layout->setContentsMargins(0, 0, 0, 0);
}

void GraphicsPanel::setFigureView(QWidget* view)
{
    if (view == m_figureView)
        return;
    if (m_figureView) {
        // The outgoing view hands its geometry on, as the swapped-in view takes its place.
        m_layout->removeWidget(m_figureView);
        m_figureView->hide();
    }
    m_figureView = view;
    if (view) {
        view->setParent(this);
        m_layout->addWidget(view);
        view->show();
    }
}
