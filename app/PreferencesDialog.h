#pragma once

#include "app/PreferencesValues.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;
class TextField;

// The preferences: decimal places (a one-digit field with a stepper kept equal to it),
// clearing tapes at quit, checking for updates at launch, the tape panel's edge and the
// fading of the 3D grid, and the language (applied at the next launch). OK accepts and Cancel,
// Escape or the close button reject; the edge and the fading act at once, as they are chosen.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    explicit PreferencesDialog(QWidget* parent = nullptr);

    PreferencesValues values() const;
    void setValues(const PreferencesValues& values);

    TextField* decimalPlacesTextField() const { return m_decimalPlaces; }
    QSpinBox* decimalPlacesStepper() const { return m_stepper; }
    QCheckBox* autoClearTapesCheckbox() const { return m_autoClearTapes; }
    QCheckBox* autoUpdateCheckbox() const { return m_autoUpdate; }
    QCheckBox* fade3DGridPreferenceCheckbox() const { return m_fade3DGrid; }
    QRadioButton* edgeButton(TapeEdge edge) const;
    QComboBox* languageMenu() const { return m_language; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void edgeChosen(TapeEdge edge);
    void fadeToggled(bool fade);

private:
    TextField* m_decimalPlaces;
    QSpinBox* m_stepper;
    QCheckBox* m_autoClearTapes;
    QCheckBox* m_autoUpdate;
    QCheckBox* m_fade3DGrid;
    QRadioButton* m_bottom;
    QRadioButton* m_left;
    QComboBox* m_language;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
