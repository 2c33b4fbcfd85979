#pragma once

#include <QObject>

class MainWindow;
class ModalInputGuard;
class PanelState;
class PreferencesDialog;

// Runs the preferences dialog: it opens on the stored values, OK stores the decimal places
// (the number format follows at once) and the two switches, Cancel stores nothing. The
// tape's edge and the grid's fading act as soon as they are chosen. While the dialog is
// open the window takes no input.
class Preferences : public QObject {
    Q_OBJECT
public:
    Preferences(MainWindow* window, PanelState* panels, QObject* parent = nullptr);

    PreferencesDialog* dialog() const { return m_dialog; }
    void open();
    // Stores the fading and has the solid redrawn with it.
    void setFade(bool fade);

    // Rebuilds the process-wide number format from "DecimalPlaces" and the locale.
    static void applyNumberFormat();

private:
    void store();

    MainWindow* m_window;
    PreferencesDialog* m_dialog;
    ModalInputGuard* m_guard;
};
