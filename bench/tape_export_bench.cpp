// What exporting a long tape costs: a tape of 10,000 circle entries, built as the tape
// view builds one (a paragraph per entry, lines joined by U+2028, the date grey and the
// given radius blue), read into entries and written as CSV, and as CSV into a file.

#include "core/Colours.h"
#include "core/TapeExport.h"
#include "core/TapeFiles.h"

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

namespace {

std::unique_ptr<QTextDocument> tapeOf(int entries)
{
    auto document = std::make_unique<QTextDocument>();
    QTextCursor end(document.get());
    QTextCharFormat grey, blue;
    grey.setForeground(Colours::tapeDateLine());
    blue.setForeground(Colours::tapeGivenValue());
    const QChar line = QChar::LineSeparator;
    for (int entry = 0; entry < entries; ++entry) {
        const double radius = 1 + entry % 997 / 10.0;
        if (entry > 0)
            end.insertText(QString(line) + QChar::ParagraphSeparator, QTextCharFormat());
        end.insertText(QStringLiteral("07/12/2026 01:%1").arg(entry % 60, 2, 10, QChar('0')), grey);
        end.insertText(line + QStringLiteral("Radius: %1").arg(radius), blue);
        end.insertText(line + QStringLiteral("Diameter: %1").arg(2 * radius, 0, 'f', 2) + line +
                       QStringLiteral("Area: %1").arg(M_PI * radius * radius, 0, 'f', 2) + line +
                       QStringLiteral("Circumference: %1").arg(2 * M_PI * radius, 0, 'f', 2));
    }
    return document;
}

void csvOfTape(benchmark::State& state)
{
    const auto tape = tapeOf(int(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(TapeExport::encode(TapeExport::Format::Csv, *tape, QChar(',')));
}
BENCHMARK(csvOfTape)->Arg(10000)->Unit(benchmark::kMillisecond);

void csvFileOfTape(benchmark::State& state)
{
    const auto tape = tapeOf(int(state.range(0)));
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("tape.csv"));
    for (auto _ : state) {
        const QByteArray bytes = TapeExport::encode(TapeExport::Format::Csv, *tape, QChar('.'));
        if (!TapeFiles::writeFileAtomically(path, bytes, "text/csv"))
            state.SkipWithError("the CSV file could not be written");
    }
}
BENCHMARK(csvFileOfTape)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
