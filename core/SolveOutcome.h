#pragma once

#include "core/WorkingStep.h"

#include <QtGlobal>

#include <optional>
#include <variant>
#include <vector>

// What a pure shape solver returns: a refusal, or every value with the fields it used.
// Values and marks are indexed like the calculator's field table.

// The message every calculator uses when too little is entered.
inline constexpr const char* notEnoughParametersMessage = QT_TRANSLATE_NOOP(
    "Polymetra", "Not enough parameters to complete the calculations.\rPlease enter more values.");

struct Refusal {
    const char* messageKey = notEnoughParametersMessage; // English text, translated on display
    std::optional<double> bound;                         // fills the message's "%@"
    // Why the numbers given make no shape: "{a} + {b} ≤ {c}: …", with those numbers.
    std::optional<WorkingStep> reason = std::nullopt;
};

struct Solution {
    std::vector<double> values;
    std::vector<bool> given;             // true: the case used this field's value as an input
    std::vector<WorkingStep> steps = {}; // how the case found the other values, in order
    // English key naming the case the given values select ("three sides"), where a shape
    // has cases that the values alone do not make plain.
    const char* caseName = nullptr;
};

using SolveOutcome = std::variant<Refusal, Solution>;

inline const Refusal* refusalOf(const SolveOutcome& outcome)
{
    return std::get_if<Refusal>(&outcome);
}

inline const Solution* solutionOf(const SolveOutcome& outcome)
{
    return std::get_if<Solution>(&outcome);
}

// A pointer into a temporary outcome would dangle at once.
const Refusal* refusalOf(SolveOutcome&&) = delete;
const Solution* solutionOf(SolveOutcome&&) = delete;
