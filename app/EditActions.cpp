#include "app/EditActions.h"

#include "app/ClearedTape.h"
#include "app/TapeEntryMenu.h"
#include "core/Localization.h"
#include "core/TapeView.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>

EditActions::EditActions(QMenu* menu, TapeView* tapeTextView, ClearedTape* clearedTape,
                         QObject* parent)
    : QObject(parent), m_tapeTextView(tapeTextView), m_clearedTape(clearedTape)
{
    const auto add = [menu](const QString& text, QKeySequence::StandardKey key, const char* name) {
        QAction* action = menu->addAction(text);
        action->setShortcut(key);
        action->setObjectName(QLatin1String(name));
        // A field handles these keys itself while it has the focus.
        action->setShortcutContext(Qt::WindowShortcut);
        return action;
    };
    m_undo = add(localized("&Undo"), QKeySequence::Undo, "undoAction");
    m_redo = add(localized("&Redo"), QKeySequence::Redo, "redoAction");
    menu->addSeparator();
    m_cut = add(localized("Cu&t"), QKeySequence::Cut, "cutAction");
    m_copy = add(localized("&Copy"), QKeySequence::Copy, "copyAction");
    m_paste = add(localized("&Paste"), QKeySequence::Paste, "pasteAction");
    menu->addSeparator();
    m_selectAll = add(localized("Select &All"), QKeySequence::SelectAll, "selectAllAction");

    connect(m_undo, &QAction::triggered, this, &EditActions::undo);
    connect(m_redo, &QAction::triggered, this, [this] { forward("redo"); });
    connect(m_cut, &QAction::triggered, this, [this] { forward("cut"); });
    connect(m_copy, &QAction::triggered, this, [this] { forward("copy"); });
    connect(m_paste, &QAction::triggered, this, [this] { forward("paste"); });
    connect(m_selectAll, &QAction::triggered, this, [this] { forward("selectAll"); });
    connect(menu, &QMenu::aboutToShow, this, &EditActions::update);
    connect(clearedTape, &ClearedTape::availabilityChanged, this, &EditActions::update);
    connect(qApp, &QApplication::focusChanged, this, &EditActions::update);
    update();
}

void EditActions::setEntryMenu(TapeEntryMenu* entryMenu)
{
    m_entryMenu = entryMenu;
    connect(entryMenu, &TapeEntryMenu::undoAvailabilityChanged, this, &EditActions::update);
    update();
}

QWidget* EditActions::target() const
{
    // The menu takes the focus while open; the widget it came from is still the window's.
    QWidget* focus = QApplication::focusWidget();
    if (!focus && m_tapeTextView)
        focus = m_tapeTextView->window()->focusWidget();
    return focus;
}

bool EditActions::fieldCanUndo() const
{
    const auto* field = qobject_cast<const QLineEdit*>(target());
    return field && !field->isReadOnly() && field->isUndoAvailable();
}

void EditActions::update()
{
    QWidget* focus = target();
    const auto* field = qobject_cast<const QLineEdit*>(focus);
    const bool editable = field && !field->isReadOnly();
    const bool tapeUndo = !fieldCanUndo() && m_clearedTape->canUndo();
    const bool entryUndo =
        !fieldCanUndo() && !tapeUndo && m_entryMenu && m_entryMenu->canUndoRemove();
    m_undo->setText(tapeUndo    ? localized("&Undo Clear Tape")
                    : entryUndo ? localized("&Undo Remove Entry")
                                : localized("&Undo"));
    m_undo->setEnabled(fieldCanUndo() || tapeUndo || entryUndo);
    m_redo->setEnabled(editable && field->isRedoAvailable());
    m_cut->setEnabled(editable && field->hasSelectedText());
    m_paste->setEnabled(editable);
    const bool text = field || focus == m_tapeTextView;
    m_copy->setEnabled(text);
    m_selectAll->setEnabled(text);
}

void EditActions::undo()
{
    if (fieldCanUndo())
        forward("undo");
    else if (m_clearedTape->canUndo())
        m_clearedTape->undo(m_tapeTextView);
    else if (m_entryMenu && m_entryMenu->canUndoRemove())
        m_entryMenu->undoRemove();
    update();
}

void EditActions::forward(const char* slot)
{
    if (QWidget* focus = target(); qobject_cast<QLineEdit*>(focus) || focus == m_tapeTextView)
        QMetaObject::invokeMethod(focus, slot);
}
