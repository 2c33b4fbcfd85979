#pragma once

#include "core/WorkingStep.h"

#include <QString>

#include <optional>

// Evaluates a working step's formula with its bound numbers, independently of the solver:
// + − · / ( ), ² ³, √ ∛, π, sin cos tan asin acos atan in degrees. Nothing on an error.
namespace FormulaEvaluator {
std::optional<double> evaluate(const QString& formula, const std::vector<WorkingBinding>& bound);
}
