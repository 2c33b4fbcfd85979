#include "ScenarioOptions.h"

#include <QRegularExpression>

namespace {

bool takeValue(const QStringList& arguments, qsizetype& i, QString& value, QString& error)
{
    if (i + 1 >= arguments.size()) {
        error = QStringLiteral("option %1 needs a value").arg(arguments.at(i));
        return false;
    }
    value = arguments.at(++i);
    return true;
}

// Steps are separated by commas; "\\," stands for a comma inside a step ("paste:f=1\\,5").
QStringList splitSteps(const QString& list)
{
    QStringList steps;
    QString step;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (list.at(i) == QLatin1Char('\\') && i + 1 < list.size() &&
            list.at(i + 1) == QLatin1Char(',')) {
            step += QLatin1Char(',');
            ++i;
        } else if (list.at(i) == QLatin1Char(',')) {
            if (!step.isEmpty())
                steps.append(step);
            step.clear();
        } else {
            step += list.at(i);
        }
    }
    if (!step.isEmpty())
        steps.append(step);
    return steps;
}

} // namespace

std::optional<ScenarioOptions> ScenarioOptions::parse(const QStringList& arguments, QString& error)
{
    ScenarioOptions options;
    bool stepGiven = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        QString value;
        if (argument == QLatin1String("--batch")) {
            options.batch = true;
        } else if (argument == QLatin1String("--help")) {
            options.help = true;
        } else if (argument == QLatin1String("--jobs")) {
            if (!takeValue(arguments, i, value, error))
                return std::nullopt;
            bool ok = false;
            options.jobs = value.toInt(&ok);
            if (!ok || options.jobs < 1) {
                error = QStringLiteral("--jobs takes a number of workers, 1 or more");
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--home")) {
            if (!takeValue(arguments, i, options.home, error))
                return std::nullopt;
        } else if (argument == QLatin1String("--decimals")) {
            if (!takeValue(arguments, i, value, error))
                return std::nullopt;
            bool ok = false;
            options.decimals = value.toInt(&ok);
            if (!ok || value.size() != 1 || options.decimals < 0 || options.decimals > 9) {
                error = QStringLiteral("--decimals takes one digit, 0 to 9");
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--separator")) {
            if (!takeValue(arguments, i, options.separator, error))
                return std::nullopt;
            if (options.separator.size() != 1) {
                error = QStringLiteral("--separator takes one character");
                return std::nullopt;
            }
        } else if (argument == QLatin1String("--steps")) {
            if (!takeValue(arguments, i, value, error))
                return std::nullopt;
            options.steps = splitSteps(value);
            stepGiven = true;
        } else if (argument == QLatin1String("--step")) {
            // One step taken as it is, commas and all; several add up after any --steps.
            if (!takeValue(arguments, i, value, error))
                return std::nullopt;
            if (!stepGiven)
                options.steps.clear();
            options.steps.append(value);
            stepGiven = true;
        } else if (argument == QLatin1String("--view")) {
            if (!takeValue(arguments, i, value, error))
                return std::nullopt;
            const auto match = QRegularExpression(QStringLiteral("^(\\d+)x(\\d+)$")).match(value);
            if (!match.hasMatch()) {
                error = QStringLiteral("--view takes WIDTHxHEIGHT");
                return std::nullopt;
            }
            options.view = std::make_pair(match.captured(1).toInt(), match.captured(2).toInt());
        } else if (argument == QLatin1String("--update-server")) {
            if (!takeValue(arguments, i, options.updateServer, error))
                return std::nullopt;
        } else if (argument == QLatin1String("--screenshot")) {
            if (!takeValue(arguments, i, options.screenshot, error))
                return std::nullopt;
        } else if (argument.startsWith(QLatin1String("--"))) {
            error = QStringLiteral("unknown option %1").arg(argument);
            return std::nullopt;
        } else if (options.shape.isEmpty()) {
            options.shape = argument;
        } else {
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            if (equals <= 0) {
                error = QStringLiteral("expected OUTLET=TEXT, got %1").arg(argument);
                return std::nullopt;
            }
            options.assignments.emplace_back(argument.left(equals), argument.mid(equals + 1));
        }
    }
    if (options.shape.isEmpty() && !options.batch && !options.help) {
        error = QStringLiteral("no shape given");
        return std::nullopt;
    }
    return options;
}
