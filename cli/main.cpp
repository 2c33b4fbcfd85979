// polymetra-cli: the calculators of Polymetra from the command line, on the model alone
// (no window, no display).

#include "cli/CalculationRun.h"
#include "cli/CliHelp.h"
#include "cli/CliOptions.h"
#include "cli/CliShapes.h"
#include "cli/CsvBatch.h"
#include "cli/ResultWriter.h"
#include "cli/TapeAppender.h"
#include "core/Localization.h"
#include "core/NumberFormatter.h"
#include "core/UserDefaults.h"

#include <QCoreApplication>
#include <QLocale>

#include <cerrno>
#include <cstdio>

namespace {

enum ExitStatus { Solved = 0, Refused = 1, UsageError = 2 };

void print(std::FILE* stream, const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
}

void printError(const QString& message)
{
    print(stderr, QByteArrayLiteral("polymetra-cli: ") + message.toUtf8() + '\n');
}

int usageError(const QString& message)
{
    printError(message);
    print(stderr, localized("Try 'polymetra-cli --help'.\n").toUtf8());
    return UsageError;
}

// The app's own number format: its decimal places and the locale's separator, unless the
// command line says otherwise.
NumberFormatter formatterFor(const CliOptions& options)
{
    const QString localeSeparator = QLocale().decimalPoint();
    const QChar separator = options.separator.value_or(
        localeSeparator.isEmpty() ? QLatin1Char('.') : localeSeparator.front());
    return NumberFormatter(options.decimals.value_or(UserDefaults().decimalPlaces()), separator);
}

// Per field, the text given on the command line; a usage error names what is wrong.
std::optional<std::vector<QString>> entriesFrom(const CliShapes::Shape& shape,
                                                const CliOptions& options, QString* error)
{
    std::vector<QString> entries(shape.table->fields.size());
    std::vector<bool> seen(entries.size(), false);
    for (const auto& [name, text] : options.assignments) {
        const CliShapes::Lookup found = CliShapes::findQuantity(shape, name);
        if (found.field < 0) {
            *error = found.matches.isEmpty()
                         ? localized("the %1 has no quantity \"%2\" (see polymetra-cli %1 --help)")
                               .arg(shape.name, name)
                         : localized("\"%1\" could be %2")
                               .arg(name, found.matches.join(QLatin1String(", ")));
            return std::nullopt;
        }
        const size_t field = size_t(found.field);
        if (seen[field]) {
            *error = localized("%1 is given twice").arg(shape.quantityNames[field]);
            return std::nullopt;
        }
        seen[field] = true;
        // The window never reads what is typed into a field it only calculates.
        if (shape.table->fields[field].role == FieldRole::OutputOnly)
            printError(localized("%1 is only calculated; the value given is not used")
                           .arg(shape.quantityNames[field]));
        else
            entries[field] = text;
    }
    return entries;
}

int solveOne(const CliShapes::Shape& shape, const CliOptions& options,
             const NumberFormatter& formatter)
{
    QString error;
    const std::optional<std::vector<QString>> entries = entriesFrom(shape, options, &error);
    if (!entries)
        return usageError(error);
    const CalculationRun::Result result = CalculationRun::run(*shape.table, *entries, formatter);
    if (!options.quiet) {
        if (options.format == CliOptions::Format::Json)
            print(stdout, ResultWriter::json(shape, result, formatter));
        else if (result.refusal.isEmpty())
            print(stdout, ResultWriter::table(shape, result));
    }
    if (!result.refusal.isEmpty()) {
        printError(result.refusal);
        return Refused;
    }
    if (options.tape && !TapeAppender::append(*shape.table, result, &error)) {
        printError(error);
        return Refused;
    }
    return Solved;
}

int runBatch(const CliShapes::Shape& shape, const NumberFormatter& formatter, bool quiet)
{
    CsvBatch batch(shape, formatter);
    const CsvBatch::Outcome outcome = batch.run(stdin, quiet ? nullptr : stdout);
    switch (outcome) {
    case CsvBatch::Outcome::AllSolved:
        return Solved;
    case CsvBatch::Outcome::SomeRefused:
        return Refused;
    case CsvBatch::Outcome::ReadFailed:
        printError(batch.error());
        return Refused;
    case CsvBatch::Outcome::BadHeader:
        break;
    }
    return usageError(batch.error());
}

int run(const QCoreApplication& application)
{
    const CliOptions::Parsed parsed = CliOptions::parse(application.arguments().mid(1));
    if (!parsed.error.isEmpty())
        return usageError(parsed.error);
    const CliOptions& options = parsed.options;

    switch (options.action) {
    case CliOptions::Action::Help:
        print(stdout, CliHelp::usage().toUtf8());
        return Solved;
    case CliOptions::Action::Version:
        print(stdout, QByteArrayLiteral("polymetra-cli " POLYMETRA_VERSION "\n"));
        return Solved;
    case CliOptions::Action::List:
        print(stdout, CliHelp::list().toUtf8());
        return Solved;
    default:
        break;
    }

    const CliShapes::Shape* shape = CliShapes::find(options.shape);
    if (!shape)
        return usageError(
            localized("no shape is called \"%1\" (see polymetra-cli --list)").arg(options.shape));
    if (options.action == CliOptions::Action::ShapeHelp) {
        print(stdout, CliHelp::shape(*shape).toUtf8());
        return Solved;
    }
    const NumberFormatter formatter = formatterFor(options);
    if (options.action == CliOptions::Action::Batch)
        return runBatch(*shape, formatter, options.quiet);
    return solveOne(*shape, options, formatter);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication::setOrganizationName(QStringLiteral("Polymetra"));
    QCoreApplication::setApplicationName(QStringLiteral("Polymetra"));
    QCoreApplication::setApplicationVersion(QStringLiteral(POLYMETRA_VERSION));
    const QCoreApplication application(argc, argv);
    const int status = run(application);
    // Output that never arrived (a full disk, a closed pipe) is a failure, not a result.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printError(localized("the output could not be written: %1").arg(qt_error_string(errno)));
        return status == Solved ? Refused : status;
    }
    return status;
}
