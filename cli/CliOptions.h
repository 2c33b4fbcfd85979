#pragma once

#include <QChar>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <optional>

// The command line of polymetra-cli, read whole before anything runs. Arguments are
// untrusted: their number and length are bounded, and anything not understood is a usage
// error, never guessed at.
struct CliOptions {
    enum class Action { Solve, Batch, List, Help, ShapeHelp, Version };
    enum class Format { Text, Json };

    Action action = Action::Solve;
    Format format = Format::Text;
    std::optional<int> decimals;
    std::optional<QChar> separator;
    bool quiet = false;
    bool tape = false;
    QString shape;
    QList<QPair<QString, QString>> assignments; // quantity name, text as written

    static constexpr int maxArguments = 64;
    static constexpr int maxArgumentLength = 1024;

    struct Parsed;
    // The arguments after the program's name.
    static Parsed parse(const QStringList& arguments);
};

struct CliOptions::Parsed {
    CliOptions options;
    QString error; // a usage error, localised; empty when the line is understood
};
