#pragma once

#include "model/model_store.h"
#include "script/analysis_settings.h"

// What must hold before a script is written, so that the solver does not reject it (or, worse,
// accept it and leave something out) far from where the fault lies.
namespace kelvane {

// Stops with a message naming the record when a frame names no frame section of the model, when a
// force- or displacement-based beam-column gets a number of integration points the solver cannot
// integrate with, when a written shell section names no material of the model, or when a transient
// procedure's time step, steps, damping or record cannot make a sound analysis.
void checkScriptInputs(const ModelStore& store, const AnalysisSettings& analysis);

// Stops a modal analysis of a model whose free degrees of freedom carry no mass, which the
// solver's eigen solver cannot start on.
void checkModalMass(const ModelStore& store, const AnalysisSettings& analysis, int dofsPerNode);

} // namespace kelvane
