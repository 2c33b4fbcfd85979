// What a long tape costs: showing it when its shape is chosen (read, parse, lay out, scroll
// to the end), one calculation's entry on it (the lines appended and the save handed to
// the saver; and the same until the file is on disk), scrolling to the top of what the view
// holds (the next older entries read in) and reading the whole tape for an operation on all
// its entries. The tapes are written by make_tape.py's rule: circle entries of about 140 bytes.

#include "bench/LongTape.h"
#include "core/RtfWriter.h"
#include "core/SupportPaths.h"
#include "core/TapeFiles.h"
#include "core/TapeSaver.h"
#include "core/TapeSplit.h"
#include "core/TapeView.h"
#include "core/TapeWriter.h"
#include "core/UserDefaults.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cmath>
#include <malloc.h>
#include <memory>

namespace {

const QString shape = QStringLiteral("Circle");

void writeTape(qint64 bytes)
{
    writeLongTape(shape, bytes);
}

// Heap in use, in MiB: what holding a tape costs, whatever the allocator kept from before.
double heapInUseMiB()
{
    return double(mallinfo2().uordblks) / (1024 * 1024);
}

// The tape drawer's view at a usual size, on screen.
std::unique_ptr<TapeView> shownView()
{
    auto view = std::make_unique<TapeView>();
    view->resize(300, 600);
    view->show();
    QApplication::processEvents();
    return view;
}

void loadTape(benchmark::State& state)
{
    // The second argument, when 1, gives the file another writer's header.
    writeLongTape(shape, state.range(0) * 1024 * 1024, state.range(1) == 1);
    const std::unique_ptr<TapeView> view = shownView();
    const double before = heapInUseMiB();
    for (auto _ : state) {
        view->holdEmptyTape(QStringLiteral("Square")); // another shape was on show
        TapeFiles::setTapeTextViewToFile(shape, view.get());
        QApplication::processEvents(); // the first paint at the tape's end
        benchmark::DoNotOptimize(view->document()->blockCount());
    }
    state.counters["entries"] = double(view->document()->blockCount());
    state.counters["olderLeft"] = double(view->olderEntriesLeft());
    // What the shown tape holds in memory, against the size of its file.
    state.counters["heldMiB"] = heapInUseMiB() - before;
    state.counters["fileMiB"] =
        double(QFileInfo(SupportPaths::tapeFilePath(shape)).size()) / (1024 * 1024);
}

void addEntry(TapeView* view)
{
    TapeWriter::writeDateTime(view);
    TapeWriter::setTape(QStringLiteral("\nRadius: "), QStringLiteral("2"), true, view);
    TapeWriter::setTape(QStringLiteral("\nDiameter: "), QStringLiteral("4"), false, view);
    TapeWriter::setTape(QStringLiteral("\nArea: "), QStringLiteral("12.57"), false, view);
    TapeWriter::setTape(QStringLiteral("\nCircumference: "), QStringLiteral("12.57"), false, view);
    TapeFiles::writeTapeToFile(shape, view);
    QApplication::processEvents();
}

// One entry as the calculation's frame sees it: appended, painted, its save handed over.
void appendEntry(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    TapeFiles::setTapeTextViewToFile(shape, view.get());
    view->rtf(); // as after the first calculation on this tape
    for (auto _ : state) {
        addEntry(view.get());
        // The previous save is not waited for inside the timing: a person does not
        // calculate 60 times a second.
        state.PauseTiming();
        TapeSaver::instance().waitForPending();
        state.ResumeTiming();
    }
    state.counters["entries"] = double(view->document()->blockCount());
}

// The same until the file is replaced on disk (written, synchronised, renamed).
void appendEntryUntilSaved(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    TapeFiles::setTapeTextViewToFile(shape, view.get());
    view->rtf();
    for (auto _ : state) {
        addEntry(view.get());
        TapeSaver::instance().waitForPending();
    }
}

// Scrolling to the top of what the view holds: the next chunk of older entries read in.
void scrollToTop(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    TapeFiles::setTapeTextViewToFile(shape, view.get());
    int added = 0;
    for (auto _ : state) {
        view->verticalScrollBar()->setValue(0);
        QApplication::processEvents(); // the chunk is read after the scroll
        QApplication::processEvents(); // and painted
        added = view->document()->blockCount();
    }
    state.counters["entries"] = double(added);
}

// The reader's first pass alone, which finds where the entries start.
void splitTape(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    QString error;
    const std::optional<QByteArray> bytes =
        TapeFiles::readRegularFile(SupportPaths::tapeFilePath(shape), 1 << 30, &error);
    for (auto _ : state)
        benchmark::DoNotOptimize(TapeSplit::of(*bytes, TapeView::newestEntriesShown));
}

// The first use of an entry's menu counts the older entries, reading them a chunk at a time.
void countOlderEntries(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    int counted = 0;
    for (auto _ : state) {
        state.PauseTiming();
        TapeFiles::setTapeTextViewToFile(shape, view.get());
        const double before = heapInUseMiB();
        state.ResumeTiming();
        counted = view->olderEntryCount();
        state.counters["heldMiB"] = heapInUseMiB() - before;
    }
    state.counters["entries"] = double(counted);
}

// Reading every entry (export, print, an older entry) reads the older ones into a
// document of its own, dropped afterwards: the heap while it is held, and after.
void readWholeCopy(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    TapeFiles::setTapeTextViewToFile(shape, view.get());
    const double before = heapInUseMiB();
    double during = 0;
    for (auto _ : state) {
        std::unique_ptr<QTextDocument> whole = view->wholeCopy();
        benchmark::DoNotOptimize(whole->blockCount());
        during = heapInUseMiB();
    }
    state.counters["held MiB"] = before;
    state.counters["during MiB"] = during;
    state.counters["after MiB"] = heapInUseMiB();
}

// Changing an older entry (removing it) reads the older ones into the view first.
void readWholeTape(benchmark::State& state)
{
    writeTape(state.range(0) * 1024 * 1024);
    const std::unique_ptr<TapeView> view = shownView();
    for (auto _ : state) {
        state.PauseTiming();
        TapeFiles::setTapeTextViewToFile(shape, view.get());
        state.ResumeTiming();
        benchmark::DoNotOptimize(view->wholeDocument()->blockCount());
    }
    state.counters["entries"] = double(view->document()->blockCount());
}

// 16 MiB is a tape of about 100,000 entries.
BENCHMARK(loadTape)
    ->ArgsProduct({{1, 10, 16}, {0}})
    ->Args({16, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(appendEntry)->Arg(1)->Arg(10)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(appendEntryUntilSaved)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(splitTape)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(countOlderEntries)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(scrollToTop)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(readWholeTape)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(readWholeCopy)->Arg(16)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationName(QStringLiteral("Polymetra"));
    QDir().mkpath(SupportPaths::tapesFolder());
    UserDefaults().setInteger(DefaultsKeys::tapeDrawerState, 1);

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    TapeSaver::instance().waitForPending();
    benchmark::Shutdown();
    return 0;
}
