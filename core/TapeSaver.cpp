#include "core/TapeSaver.h"

#include "core/RegularFiles.h"

#include <algorithm>
#include <chrono>

namespace {
// How long a save waits before it is written: long enough for the frame the calculation
// draws, which writing a long tape at the same time would slow by a third; a newer save of
// the same file in the meantime replaces it.
constexpr std::chrono::milliseconds startDelay{50};
} // namespace

TapeSaver& TapeSaver::instance()
{
    static TapeSaver saver;
    return saver;
}

TapeSaver::~TapeSaver()
{
    {
        // The saves still waiting are made; no one is left to hear how they went.
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
}

void TapeSaver::save(const QString& path, QList<QByteArray> pieces, const char* mimeType, Done done)
{
    {
        const std::lock_guard lock(m_mutex);
        const auto same = std::find_if(m_queue.begin(), m_queue.end(),
                                       [&](const Job& job) { return job.path == path; });
        Job job{path, std::move(pieces), mimeType, std::move(done)};
        if (same != m_queue.end())
            *same = std::move(job);
        else
            m_queue.push_back(std::move(job));
        if (!m_worker.joinable())
            m_worker = std::thread([this] { run(); });
    }
    m_wake.notify_one();
}

void TapeSaver::waitForPending()
{
    {
        std::unique_lock lock(m_mutex);
        ++m_hurrying; // whoever waits has no frame to draw meanwhile
        m_wake.notify_all();
        m_idle.wait(lock, [this] { return m_queue.empty() && !m_busy; });
        --m_hurrying;
    }
    deliver();
}

void TapeSaver::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return !m_queue.empty() || m_stopping; });
        if (m_queue.empty())
            return;
        m_wake.wait_for(lock, startDelay, [this] { return m_stopping || m_hurrying > 0; });
        Job job = std::move(m_queue.front());
        m_queue.pop_front();
        m_busy = true;
        lock.unlock();

        QString reason;
        const bool saved =
            RegularFiles::writeFileAtomically(job.path, job.pieces, job.mimeType, &reason);
        job.pieces.clear();

        lock.lock();
        m_busy = false;
        m_finished.push_back({std::move(job.done), saved, reason});
        if (!m_stopping)
            QMetaObject::invokeMethod(this, &TapeSaver::deliver, Qt::QueuedConnection);
        m_idle.notify_all();
    }
}

void TapeSaver::deliver()
{
    std::vector<Finished> finished;
    {
        const std::lock_guard lock(m_mutex);
        finished.swap(m_finished);
    }
    for (Finished& result : finished) {
        if (result.done)
            result.done(result.saved, result.reason);
    }
}
