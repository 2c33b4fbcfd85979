#pragma once

#include <QByteArray>
#include <QStringList>

#include <deque>
#include <vector>

// Runs a batch on several worker processes, each one a batch of its own (--jobs 1) on
// its own template home: line n goes to worker n mod N, and the reports come out in the
// order of the lines, each as soon as it and those before it are done.
class BatchWorkers {
public:
    // `command`: the program and its arguments for one worker.
    BatchWorkers(const QStringList& command, int count);
    ~BatchWorkers();
    BatchWorkers(const BatchWorkers&) = delete;
    BatchWorkers& operator=(const BatchWorkers&) = delete;

    // Starts the workers; false (and none running) if one could not be started.
    bool start();
    // Reads the batch from `input` and writes the reports to `output`.
    bool run(int input, int output);

private:
    struct Worker {
        int pid = -1;
        int in = -1;        // its standard input, written here
        int out = -1;       // its standard output, read here
        QByteArray pending; // lines not yet written to it
        QByteArray partial; // output not yet a whole line
        std::deque<QByteArray> reports;
        int owed = 0; // lines sent whose reports have not come
    };

    void finish();
    // Takes whole lines from `buffer` and hands the non-blank ones out.
    void distribute(QByteArray& buffer, bool atEnd);
    void readFrom(Worker& worker);
    void writeTo(Worker& worker);
    void emitReady(int output);

    QStringList m_command;
    std::vector<Worker> m_workers;
    long m_assigned = 0;
    long m_emitted = 0;
};
