#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

// Writes tape files on a thread of its own, so that a calculation's frame does not wait
// for the disk. A save starts a moment after it is asked (at once for whoever waits for
// it), so that writing a long tape does not slow the frame being drawn. Saves are made one
// at a time, in the order asked; a save asked while an
// earlier one of the same file still waits replaces it, since it holds every entry the
// earlier one held, so a later save never loses to an earlier one. Each save is written
// atomically; its `done` runs on the thread that asked (the GUI's), at the next turn of
// the event loop or in waitForPending(), with whether the file was replaced and why not.
class TapeSaver : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(bool saved, const QString& reason)>;

    static TapeSaver& instance();
    ~TapeSaver() override;

    // `pieces` are written one after the other; they are shared, never copied here.
    void save(const QString& path, QList<QByteArray> pieces, const char* mimeType, Done done);
    // Blocks until every save asked for is on disk or has failed, then runs their `done`s.
    // Called before a tape file is read, replaced by other means, or removed, and at quit.
    void waitForPending();

private:
    struct Job {
        QString path;
        QList<QByteArray> pieces;
        const char* mimeType = nullptr;
        Done done;
    };
    struct Finished {
        Done done;
        bool saved = false;
        QString reason;
    };

    TapeSaver() = default;
    void run();
    Q_INVOKABLE void deliver();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<Job> m_queue;
    std::vector<Finished> m_finished;
    bool m_busy = false;
    bool m_stopping = false;
    int m_hurrying = 0; // callers of waitForPending: the saves start at once
    std::thread m_worker;
};
