#pragma once

#include "ScenarioSteps.h"

#include <QJsonArray>

#include <vector>

class ShapeCalculator;

// The report's "working": the steps of the last calculation as the Working section shows
// them (target, formula, substituted, result), or a refusal's reason alone.
// The step show-working clicks the shown calculator's Working toggle open.
namespace ScenarioWorking {
QJsonArray report(const ShapeCalculator& calculator);
// The other steps followed by show-working.
std::vector<ScenarioStep> appendedTo(std::vector<ScenarioStep> steps);
} // namespace ScenarioWorking
