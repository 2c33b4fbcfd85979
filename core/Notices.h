#pragma once

#include <QLoggingCategory>
#include <QObject>
#include <QStringList>

Q_DECLARE_LOGGING_CATEGORY(lcTape)
Q_DECLARE_LOGGING_CATEGORY(lcFiles)

// Failures the user must learn of without being stopped by them: a tape that could not
// be saved or read, support files that could not be written. Each is logged and shown
// once, in the window's notice line, never as a stack of modal alerts.
class Notices : public QObject {
    Q_OBJECT
public:
    static Notices& instance();

    // Logs the message under `category` and shows it.
    void report(const QLoggingCategory& category, const QString& message);
    // Every message shown since launch (or the last reset), oldest first.
    const QStringList& history() const { return m_history; }
    void reset() { m_history.clear(); }

signals:
    void posted(const QString& message);

private:
    Notices() = default;

    QStringList m_history;
};
