#pragma once

#include <QJsonArray>

class ShapeCalculator;

// The report's "working": the steps of the last calculation as the Working section shows
// them (target, formula, substituted, result), or a refusal's reason alone.
namespace ScenarioWorking {
QJsonArray report(const ShapeCalculator& calculator);
}
