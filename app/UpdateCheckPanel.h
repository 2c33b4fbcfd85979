#pragma once

#include <QDialog>

class QProgressBar;

// The small window-modal panel shown while the manual update check runs: a label and
// an indeterminate progress bar that keeps moving, since the fetch never blocks.
class UpdateCheckPanel : public QDialog {
    Q_OBJECT
public:
    explicit UpdateCheckPanel(QWidget* parent = nullptr);

    QProgressBar* checkProgressBar() const { return m_progress; }

protected:
    // The check ends the panel; Escape does not.
    void reject() override {}

private:
    QProgressBar* m_progress;
};
