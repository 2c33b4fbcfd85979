#include "core/ClearButton.h"

#include <QKeyEvent>
#include <QMouseEvent>

void ClearButton::mousePressEvent(QMouseEvent* event)
{
    m_modifiers = event->modifiers();
    QPushButton::mousePressEvent(event);
}

void ClearButton::mouseReleaseEvent(QMouseEvent* event)
{
    m_modifiers = event->modifiers();
    QPushButton::mouseReleaseEvent(event);
}

void ClearButton::keyPressEvent(QKeyEvent* event)
{
    m_modifiers = event->modifiers();
    QPushButton::keyPressEvent(event);
}
