#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

// Beeps and window-modal alert sheets. Widgets ask this interface, never QMessageBox
// directly, so that tests and the scenario tool can record the alerts and answer them.
class AlertPresenter {
public:
    // Return codes of a sheet, as the callers test them.
    enum ReturnCode { DefaultButton = 1, AlternateButton = 0, OtherButton = -1 };

    struct Alert {
        QString title;
        QString message;
        QString defaultButton;
        QString alternateButton; // empty: none
        QString otherButton;     // empty: none
    };
    using Completion = std::function<void(int returnCode)>;

    virtual ~AlertPresenter() = default;

    virtual void beep() = 0;
    // Shows the sheet on the window of `parent` and returns at once; `done` (if any)
    // runs when the user has chosen a button.
    virtual void showSheet(QWidget* parent, const Alert& alert, Completion done = {}) = 0;

    static AlertPresenter& instance();
    // Replaces the presenter (tests, scenario tool); nullptr restores the default one.
    // The caller keeps ownership.
    static void setInstance(AlertPresenter* presenter);
};
