#pragma once

#include <QObject>

class ClearedTape;
class QAction;
class QMenu;
class QWidget;
class TapeEntryMenu;
class TapeView;

// The Edit menu. Its commands act on the widget with the keyboard focus (a field or the
// tape); Undo also brings back the tape cleared last when the focus is not in a field
// with edits of its own to undo.
class EditActions : public QObject {
    Q_OBJECT
public:
    EditActions(QMenu* menu, TapeView* tapeTextView, ClearedTape* clearedTape,
                QObject* parent = nullptr);

    QAction* undoAction() const { return m_undo; }
    // Undo also puts back the entry removed last from the tape, once nothing newer is undone.
    void setEntryMenu(TapeEntryMenu* entryMenu);
    // Names and enables the commands for the widget that has the focus now.
    void update();

private:
    void undo();
    void forward(const char* slot);
    QWidget* target() const;
    bool fieldCanUndo() const;

    TapeView* m_tapeTextView;
    ClearedTape* m_clearedTape;
    TapeEntryMenu* m_entryMenu = nullptr;
    QAction* m_undo;
    QAction* m_redo;
    QAction* m_cut;
    QAction* m_copy;
    QAction* m_paste;
    QAction* m_selectAll;
};
