#pragma once

#include "core/AlertPresenter.h"

// The real presenter: the system beep and window-modal message boxes.
class MessageBoxAlertPresenter : public AlertPresenter {
public:
    void beep() override;
    void showSheet(QWidget* parent, const Alert& alert, Completion done) override;
};
