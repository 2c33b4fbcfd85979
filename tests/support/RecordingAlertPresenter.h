#pragma once

#include "core/AlertPresenter.h"

#include <QList>

// Records beeps and alerts instead of showing them, and answers each sheet at once
// with a chosen return code. Used by the tests and the scenario tool.
class RecordingAlertPresenter : public AlertPresenter {
public:
    void beep() override { ++m_beeps; }
    void showSheet(QWidget*, const Alert& alert, Completion done) override
    {
        m_alerts.append(alert);
        if (done)
            done(m_answer);
    }

    int beeps() const { return m_beeps; }
    const QList<Alert>& alerts() const { return m_alerts; }
    void setAnswer(int returnCode) { m_answer = returnCode; }
    void reset()
    {
        m_beeps = 0;
        m_alerts.clear();
    }

private:
    int m_beeps = 0;
    int m_answer = DefaultButton;
    QList<Alert> m_alerts;
};
