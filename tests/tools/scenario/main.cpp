// polymetra-scenario: drives the real main window through one scenario (or a batch of
// them) and prints what the user would see as JSON.

#include "BatchWorkers.h"
#include "ScenarioOptions.h"
#include "ScenarioSession.h"
#include "ScenarioSteps.h"
#include "TemplateHome.h"

#include "core/Translations.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace {

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

const char* const usage = R"(Usage: polymetra-scenario [options] SHAPE [OUTLET=TEXT...]
       polymetra-scenario --batch < SCENARIOS

Drives the real main window through one scenario, on a home of its own, and prints
what the user would see as one line of JSON. OUTLET=TEXT puts the text in the field as
the program itself would, past the typing filter; then the steps run in order. In a
batch, each line of SCENARIOS is a JSON array of such arguments; each report is
one line of output, {"error": ...} for a line that cannot run.

Options:
  --home FOLDER         run on this home and keep it (default: a temporary one)
  --decimals DIGIT      decimal places, 0 to 9 (default 2)
  --separator CHAR      the decimal separator (default: the locale's, as LANG says)
  --steps STEP,STEP...  the steps (default: calculate); "\," is a comma in a step
  --step STEP           one step, taken as it is; repeatable, after any --steps
  --view WxH            sizes the figure views and adds their layout to the report
  --screenshot FILE     saves the window as a PNG
  --update-server URL   the server the update check asks instead of the built-in one
  --batch               runs one scenario per line of standard input
  --jobs N              worker processes for a batch (default: one per core)
  --help                shows this text

Steps:
)";

void printUsage()
{
    std::fputs(usage, stdout);
    for (const ScenarioStep& step : ScenarioSteps::all())
        std::printf("  %-28s %s\n", qPrintable(step.usage), qPrintable(step.description));
}

// Runs one scenario; on a usage error returns {"error": ...} and sets `failed`.
QJsonObject runScenario(const QStringList& arguments, bool& failed,
                        const TemplateHome* seed = nullptr)
{
    QString error;
    auto options = ScenarioOptions::parse(arguments, error);
    if (options && options->batch)
        error = QStringLiteral("--batch is not allowed inside a batch");
    if (options && options->help)
        error = QStringLiteral("--help is not allowed inside a batch");
    if (error.isEmpty())
        error = ScenarioSession::validate(*options);
    failed = !error.isEmpty();
    if (failed)
        return QJsonObject{{QStringLiteral("error"), error}};
    ScenarioSession session(*options, seed);
    return session.run();
}

int runBatch()
{
    const TemplateHome seed;
    QTextStream input(stdin);
    QString line;
    while (input.readLineInto(&line)) {
        if (line.trimmed().isEmpty())
            continue;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8());
        QJsonObject result;
        if (!document.isArray()) {
            result = QJsonObject{{QStringLiteral("error"),
                                  QStringLiteral("each line must be a JSON array of arguments")}};
        } else {
            QStringList arguments;
            for (const QJsonValue& value : document.array())
                arguments.append(value.toString());
            bool failed = false;
            result = runScenario(arguments, failed, &seed);
        }
        std::fputs(compact(result).constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Polymetra"));
    QApplication::setApplicationName(QStringLiteral("Polymetra"));
    // The system's language, as LANG says; the tool never reads the user's own settings.
    Translations::installChosen(Language::System);

    QStringList arguments = QApplication::arguments().mid(1);
    QString error;
    const auto options = ScenarioOptions::parse(arguments, error);
    if (options && options->help) {
        printUsage();
        return 0;
    }
    if (options && options->batch) {
        const int jobs =
            options->jobs > 0 ? options->jobs : std::max(1, QThread::idealThreadCount());
        if (jobs == 1)
            return runBatch();
        BatchWorkers workers({QApplication::applicationFilePath(), QStringLiteral("--batch"),
                              QStringLiteral("--jobs"), QStringLiteral("1")},
                             jobs);
        if (!workers.start())
            return runBatch(); // as one process, then
        return workers.run(STDIN_FILENO, STDOUT_FILENO) ? 0 : 1;
    }

    bool failed = false;
    const QJsonObject result = runScenario(arguments, failed);
    if (failed) {
        std::fprintf(stderr, "polymetra-scenario: %s\n",
                     qPrintable(result.value(QStringLiteral("error")).toString()));
        return 2;
    }
    std::fputs(compact(result).constData(), stdout);
    std::fputc('\n', stdout);
    return 0;
}
