#pragma once

#include "core/forecast_table.h"
#include "core/scoring.h"

// The window's program-wide tables, alive for the whole run: the scoring
// every score is computed with (the Forecast table, its score bounds and the
// average mode) and the Expectation table. The application owns the one
// instance and hands it to the main dialog, whose initialisation loads both
// tables; afterwards only the mode changes, by the average check box. A test
// gives each dialog an instance of its own.
struct ProgramTables {
    lumo::Scoring scoring;
    lumo::CForecastTable expectation;
};
