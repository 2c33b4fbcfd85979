#include "app/ModalInputGuard.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::Drop:
    case QEvent::InputMethod:
        return true;
    default:
        return false;
    }
}

bool isInside(const QObject* object, const QWidget* container)
{
    for (; object; object = object->parent()) {
        if (object == container)
            return true;
    }
    return false;
}

} // namespace

ModalInputGuard::ModalInputGuard(QObject* parent) : QObject(parent) {}

void ModalInputGuard::guard(QWidget* window, QWidget* dialog)
{
    release();
    m_window = window;
    m_dialog = dialog;
    qApp->installEventFilter(this);
}

void ModalInputGuard::release()
{
    if (m_dialog.isNull() && m_window.isNull())
        return;
    qApp->removeEventFilter(this);
    m_window.clear();
    m_dialog.clear();
}

bool ModalInputGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (m_dialog.isNull() || !m_dialog->isVisible()) {
        release();
        return false;
    }
    if (!isInput(event->type()) || isInside(watched, m_dialog))
        return false;
    // Shortcuts of the window's actions and calculators are objects, not widgets, of
    // the window: everything that is not the dialog's is held back.
    return isInside(watched, m_window) || event->type() == QEvent::Shortcut;
}
