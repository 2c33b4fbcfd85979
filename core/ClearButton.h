#pragma once

#include <QPushButton>

// A push button that remembers the keyboard modifiers of the event that pressed it,
// so that the clear action can tell a Shift-click from a plain one.
class ClearButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

    Qt::KeyboardModifiers triggerModifiers() const { return m_modifiers; }
    void setTriggerModifiers(Qt::KeyboardModifiers modifiers) { m_modifiers = modifiers; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Qt::KeyboardModifiers m_modifiers;
};
