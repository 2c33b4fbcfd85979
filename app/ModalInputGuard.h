#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps input away from a window while one of its dialogs is open. Window modality alone
// lets a key reach the window once the window manager has activated it (a click on it),
// so that Return would calculate behind the preferences; this guard drops every input
// event and shortcut that is not meant for the dialog.
class ModalInputGuard : public QObject {
    Q_OBJECT
public:
    explicit ModalInputGuard(QObject* parent = nullptr);

    // Starts guarding `window` for `dialog`; stops when the dialog is hidden or released.
    void guard(QWidget* window, QWidget* dialog);
    void release();
    bool isGuarding() const { return !m_dialog.isNull(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> m_window;
    QPointer<QWidget> m_dialog;
};
