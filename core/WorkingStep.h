#pragma once

#include <vector>

// One line of the working behind a result: the quantity found, its formula with the names
// of the numbers it reads in braces ("{r}·{r}·π"), those numbers, and the result. A solver
// takes each value it reports from the step that records it, so the working shown is the
// computation made, never a retelling of it.
struct WorkingBinding {
    const char* name; // as written in the formula's braces
    double value;
    // The quantity's name where a formula serves several ("{p}" standing for side b).
    const char* shown = nullptr;
};

struct WorkingStep {
    int target = -1;          // the field found; -1 for the reason of a refusal
    const char* symbol = "";  // the quantity's own name in formulas, e.g. "r"
    const char* formula = ""; // English key, translated on display
    std::vector<WorkingBinding> bound;
    double result = 0.0;
};

// Collects a case's steps as its values are computed.
class WorkingRecorder {
public:
    // Records the step and hands back its result, so the caller uses the very value shown.
    double step(int target, const char* symbol, const char* formula,
                std::vector<WorkingBinding> bound, double result)
    {
        m_steps.push_back({target, symbol, formula, std::move(bound), result});
        return result;
    }

    std::vector<WorkingStep> take() { return std::move(m_steps); }

private:
    std::vector<WorkingStep> m_steps;
};
