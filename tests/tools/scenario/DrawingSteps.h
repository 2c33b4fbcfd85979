#pragma once

#include "ScenarioSteps.h"

#include <vector>

// export-drawing:FORMAT:UNIT:PATH and export-net:FORMAT:UNIT:PATH: the shape on show
// exported at true size; print-drawing:PAPER:UNIT:PATH prints it to a PDF file. The
// report lists each under "exports" with the physical size the file states, in mm.
namespace DrawingSteps {

// The other steps followed by these.
std::vector<ScenarioStep> appendedTo(std::vector<ScenarioStep> steps);
// False for an argument that is not FORMAT:UNIT:PATH with a known format and unit.
bool accepts(const QString& name, const QString& argument);

} // namespace DrawingSteps
