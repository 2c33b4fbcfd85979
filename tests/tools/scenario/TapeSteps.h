#pragma once

#include "ScenarioSteps.h"

#include <vector>

// copy-results (Edit ▸ Copy Results; the report gains "clipboard": its text and whether
// HTML came with it), export-tape:FORMAT:PATH (the report gains "exported": path, bytes,
// written), reuse-entry:N (the N-th entry from the newest, 1 the newest, used again) and
// texts (the report gains "texts": the fields' names, the menus and the tape's file).
namespace TapeSteps {

std::vector<ScenarioStep> appendedTo(std::vector<ScenarioStep> steps);
// False for an argument these steps cannot take.
bool accepts(const QString& name, const QString& argument);

} // namespace TapeSteps
