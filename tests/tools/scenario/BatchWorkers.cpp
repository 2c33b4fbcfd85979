#include "BatchWorkers.h"

#include <QFile>
#include <QString>

#include <cerrno>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const QByteArray lostReport =
    R"({"error":"the worker running this scenario stopped before it reported"})"
    "\n";

bool writeAll(int fd, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

} // namespace

BatchWorkers::BatchWorkers(const QStringList& command, int count)
    : m_command(command), m_workers(size_t(count))
{
}

BatchWorkers::~BatchWorkers()
{
    finish();
}

bool BatchWorkers::start()
{
    // A worker that goes away must not take this process with it.
    ::signal(SIGPIPE, SIG_IGN);
    std::vector<QByteArray> arguments;
    for (const QString& argument : m_command)
        arguments.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    for (Worker& worker : m_workers) {
        int toWorker[2];
        int fromWorker[2];
        if (::pipe2(toWorker, O_CLOEXEC) != 0) {
            finish();
            return false;
        }
        if (::pipe2(fromWorker, O_CLOEXEC) != 0) {
            ::close(toWorker[0]);
            ::close(toWorker[1]);
            finish();
            return false;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, toWorker[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, fromWorker[1], STDOUT_FILENO);
        // This process ignores SIGPIPE; a worker whose reader is gone just stops.
        posix_spawnattr_t attributes;
        posix_spawnattr_init(&attributes);
        sigset_t pipeSignal;
        sigemptyset(&pipeSignal);
        sigaddset(&pipeSignal, SIGPIPE);
        posix_spawnattr_setsigdefault(&attributes, &pipeSignal);
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF);
        pid_t pid = -1;
        const int failed =
            ::posix_spawn(&pid, argv.front(), &actions, &attributes, argv.data(), environ);
        posix_spawnattr_destroy(&attributes);
        posix_spawn_file_actions_destroy(&actions);
        ::close(toWorker[0]);
        ::close(fromWorker[1]);
        worker.in = toWorker[1];
        worker.out = fromWorker[0];
        if (failed != 0) {
            finish();
            return false;
        }
        worker.pid = pid;
        ::fcntl(worker.in, F_SETFL, ::fcntl(worker.in, F_GETFL) | O_NONBLOCK);
    }
    return true;
}

void BatchWorkers::finish()
{
    for (Worker& worker : m_workers) {
        if (worker.in >= 0)
            ::close(worker.in);
        if (worker.out >= 0)
            ::close(worker.out);
        worker.in = worker.out = -1;
        if (worker.pid > 0)
            ::waitpid(worker.pid, nullptr, 0);
        worker.pid = -1;
    }
}

void BatchWorkers::distribute(QByteArray& buffer, bool atEnd)
{
    for (;;) {
        qsizetype end = buffer.indexOf('\n');
        if (end < 0 && !(atEnd && !buffer.isEmpty()))
            return;
        if (end < 0)
            end = buffer.size();
        const QByteArray line = buffer.left(end);
        buffer.remove(0, end + 1);
        // A worker skips the lines that are blank to it, so they are not handed out.
        if (QString::fromUtf8(line).trimmed().isEmpty())
            continue;
        Worker& worker = m_workers[size_t(m_assigned++ % long(m_workers.size()))];
        if (worker.out < 0) {
            worker.reports.push_back(lostReport);
            continue;
        }
        worker.pending += line + '\n';
        ++worker.owed;
    }
}

void BatchWorkers::writeTo(Worker& worker)
{
    while (worker.in >= 0 && !worker.pending.isEmpty()) {
        const ssize_t written =
            ::write(worker.in, worker.pending.constData(), size_t(worker.pending.size()));
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0 && errno == EAGAIN)
            return;
        if (written <= 0) { // the worker is gone; its reports are owed as lost
            worker.pending.clear();
            return;
        }
        worker.pending.remove(0, written);
    }
}

void BatchWorkers::readFrom(Worker& worker)
{
    char chunk[65536];
    const ssize_t got = ::read(worker.out, chunk, sizeof chunk);
    if (got < 0 && errno == EINTR)
        return;
    if (got <= 0) {
        ::close(worker.out);
        worker.out = -1;
        for (; worker.owed > 0; --worker.owed)
            worker.reports.push_back(lostReport);
        return;
    }
    worker.partial.append(chunk, got);
    for (qsizetype end; (end = worker.partial.indexOf('\n')) >= 0;) {
        worker.reports.push_back(worker.partial.left(end + 1));
        worker.partial.remove(0, end + 1);
        if (worker.owed > 0)
            --worker.owed;
    }
}

void BatchWorkers::emitReady(int output)
{
    for (;;) {
        Worker& next = m_workers[size_t(m_emitted % long(m_workers.size()))];
        if (m_emitted == m_assigned || next.reports.empty())
            return;
        writeAll(output, next.reports.front());
        next.reports.pop_front();
        ++m_emitted;
    }
}

bool BatchWorkers::run(int input, int output)
{
    QByteArray buffer;
    bool inputOpen = true;
    for (;;) {
        std::vector<pollfd> watched;
        if (inputOpen)
            watched.push_back({input, POLLIN, 0});
        for (const Worker& worker : m_workers) {
            if (worker.out >= 0)
                watched.push_back({worker.out, POLLIN, 0});
            if (worker.in >= 0 && !worker.pending.isEmpty())
                watched.push_back({worker.in, POLLOUT, 0});
        }
        if (watched.empty())
            break;
        if (::poll(watched.data(), watched.size(), -1) < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (const pollfd& ready : watched) {
            if (ready.revents == 0)
                continue;
            if (ready.fd == input) {
                char chunk[65536];
                const ssize_t got = ::read(input, chunk, sizeof chunk);
                if (got < 0 && errno == EINTR)
                    continue;
                if (got > 0)
                    buffer.append(chunk, got);
                else
                    inputOpen = false;
                distribute(buffer, !inputOpen);
                continue;
            }
            for (Worker& worker : m_workers) {
                if (ready.fd == worker.out)
                    readFrom(worker);
                else if (ready.fd == worker.in)
                    writeTo(worker);
            }
        }
        for (Worker& worker : m_workers) {
            writeTo(worker);
            // Once the input is over and handed out, a worker finishes its batch.
            if (!inputOpen && worker.pending.isEmpty() && worker.in >= 0) {
                ::close(worker.in);
                worker.in = -1;
            }
        }
        emitReady(output);
    }
    finish();
    return true;
}
