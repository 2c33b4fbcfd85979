#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;
class QSpinBox;
class TextField;

// The preferences: decimal places (a one-digit field with a stepper kept equal to it),
// clearing tapes at quit, checking for updates at launch, the tape panel's edge and the
// fading of the 3D grid. The controller fills it, stores it and acts on its controls.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    enum EdgeTag { BottomEdge = 1, LeftEdge = 2 };

    explicit PreferencesDialog(QWidget* parent = nullptr);

    TextField* decimalPlacesTextField() const { return m_decimalPlaces; }
    QSpinBox* decimalPlacesStepper() const { return m_stepper; }
    QCheckBox* autoClearTapesCheckbox() const { return m_autoClearTapes; }
    QCheckBox* autoUpdateCheckbox() const { return m_autoUpdate; }
    QCheckBox* fade3DGridPreferenceCheckbox() const { return m_fade3DGrid; }
    QRadioButton* edgeButton(EdgeTag tag) const;
    void selectEdge(EdgeTag tag);
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

signals:
    void edgeChosen(int tag);
    void fadeToggled();
    void okChosen();
    void cancelChosen();

protected:
    void reject() override;

private:
    TextField* m_decimalPlaces;
    QSpinBox* m_stepper;
    QCheckBox* m_autoClearTapes;
    QCheckBox* m_autoUpdate;
    QCheckBox* m_fade3DGrid;
    QRadioButton* m_bottom;
    QRadioButton* m_left;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};
