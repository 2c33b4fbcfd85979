#include "cli/CliOptions.h"

#include "core/Localization.h"

namespace {

using Action = CliOptions::Action;

bool usableSeparator(const QString& text)
{
    // A separator that could be part of a number, or a CSV field's quotes, cannot work.
    return text.size() == 1 && text.front().isPunct() &&
           !QStringLiteral("-+\"'").contains(text.front());
}

} // namespace

CliOptions::Parsed CliOptions::parse(const QStringList& arguments)
{
    Parsed parsed;
    CliOptions& o = parsed.options;
    QString& error = parsed.error;
    if (arguments.size() > maxArguments) {
        error = localized("too many arguments (at most %1)").arg(maxArguments);
        return parsed;
    }
    bool help = false;
    bool batch = false;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size() && error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument.size() > maxArgumentLength) {
            error = localized("an argument is longer than %1 characters").arg(maxArgumentLength);
            break;
        }
        const bool isOption =
            !optionsEnded && argument.startsWith(QLatin1Char('-')) && argument.size() > 1;
        if (!isOption) {
            if (o.shape.isEmpty() && !argument.contains(QLatin1Char('='))) {
                o.shape = argument;
                continue;
            }
            const qsizetype equals = argument.indexOf(QLatin1Char('='));
            if (equals <= 0) {
                error = localized("\"%1\" is not a quantity and value (NAME=VALUE)").arg(argument);
                break;
            }
            o.assignments.append({argument.left(equals), argument.mid(equals + 1)});
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = equals < 0 ? argument : argument.left(equals);
        const auto value = [&]() -> std::optional<QString> {
            if (equals >= 0)
                return argument.mid(equals + 1);
            if (i + 1 < arguments.size())
                return arguments[++i];
            error = localized("%1 needs a value").arg(name);
            return std::nullopt;
        };
        const auto flag = [&](bool& target) {
            if (equals >= 0)
                error = localized("%1 takes no value").arg(name);
            target = true;
        };
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
        } else if (name == QLatin1String("--help") || name == QLatin1String("-h")) {
            flag(help);
        } else if (name == QLatin1String("--version")) {
            bool version = false;
            flag(version);
            o.action = Action::Version;
        } else if (name == QLatin1String("--list")) {
            bool list = false;
            flag(list);
            if (o.action != Action::Version)
                o.action = Action::List;
        } else if (name == QLatin1String("--json")) {
            bool json = false;
            flag(json);
            o.format = Format::Json;
        } else if (name == QLatin1String("--csv")) {
            flag(batch);
        } else if (name == QLatin1String("--quiet") || name == QLatin1String("-q")) {
            flag(o.quiet);
        } else if (name == QLatin1String("--tape")) {
            flag(o.tape);
        } else if (name == QLatin1String("--decimals")) {
            if (const std::optional<QString> text = value()) {
                if (text->size() != 1 || !text->front().isDigit() || text->front().digitValue() < 0)
                    error = localized("--decimals takes one digit, 0 to 9");
                else
                    o.decimals = text->front().digitValue();
            }
        } else if (name == QLatin1String("--separator")) {
            if (const std::optional<QString> text = value()) {
                if (!usableSeparator(*text))
                    error =
                        localized("--separator takes one punctuation character, such as . or ,");
                else
                    o.separator = text->front();
            }
        } else {
            error = localized("unknown option %1").arg(name);
        }
    }
    if (!error.isEmpty() || o.action == Action::Version || o.action == Action::List)
        return parsed;
    if (help) {
        o.action = o.shape.isEmpty() ? Action::Help : Action::ShapeHelp;
        return parsed;
    }
    if (o.shape.isEmpty())
        error = localized("no shape given");
    else if (batch && !o.assignments.isEmpty())
        error = localized("--csv reads its values from standard input, not from arguments");
    else if (batch && o.format == Format::Json)
        error = localized("--csv and --json cannot be combined");
    else if (batch && o.tape)
        error = localized("--tape logs single calculations, not a --csv batch");
    else if (batch)
        o.action = Action::Batch;
    return parsed;
}
