#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// One scenario as given on the command line (or as one line of a batch).
struct ScenarioOptions {
    QString home; // empty: a fresh temporary home
    int decimals = 2;
    QString separator; // empty: the locale's, as the program takes it
    QStringList steps = {QStringLiteral("calculate")};
    std::optional<std::pair<int, int>> view; // --view WxH
    QString screenshot;
    QString updateServer; // overrides the build's update server (a test server, say)
    bool batch = false;
    int jobs = 0; // worker processes for a batch; 0: one per core
    bool help = false;
    QString shape;
    std::vector<std::pair<QString, QString>> assignments; // OUTLET=TEXT

    // Parses the arguments (without the program name). On failure returns nullopt and
    // sets `error` to a message for the user.
    static std::optional<ScenarioOptions> parse(const QStringList& arguments, QString& error);
};
