#pragma once

#include <QString>

#include <functional>
#include <vector>

class ScenarioSession;

// The steps a scenario can run, by name; "name:ARG" for steps that take an argument.
struct ScenarioStep {
    QString name;
    bool takesArgument;
    std::function<void(ScenarioSession& session, const QString& argument)> run;
    // For --help: how the step is written, and what it does.
    QString usage;
    QString description;
};

class ScenarioSteps {
public:
    static const std::vector<ScenarioStep>& all();
    // The step a text names, or nullptr; `argument` receives what follows the colon.
    static const ScenarioStep* find(const QString& text, QString& argument);
};
