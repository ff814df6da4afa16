#pragma once

#include <memory>
#include <span>
#include <vector>

#include "conditions/condition_evaluation.h"
#include "conditions/condition_file.h"
#include "core/column_set.h"
#include "core/scoring.h"

// Which columns the tab "Condicionar" applies the conditions to.
enum class ConditionColumns {
    kBet,  // the open bet's, with their scores
    kAll,  // all kAllColumns columns, scored like lumo-cli generate
};

// What the columns to apply the conditions to start from: a copy of the
// bet's (with kBet) or nothing, the scoring of the bet's forecast, and the
// value of every column by CColumn::Index() (empty when no `valor`).
struct ConditionsOrder {
    ConditionColumns which = ConditionColumns::kBet;
    std::shared_ptr<const lumo::CColumnSet> bet;
    lumo::Scoring scoring;
    lumo::ConditionFile file;
    std::vector<double> values;
};

// The file applied, the columns it keeps, in order, and the figures of
// --explain.
struct ConditionsRun {
    lumo::ConditionFile file;
    std::unique_ptr<lumo::CColumnSet> kept;
    lumo::ConditionTally tally;
};

// Copies the bet's columns, or generates all columns scored by the order's
// scoring, and applies the file to them (ApplyConditions). Throws
// std::bad_alloc when memory runs out, and std::invalid_argument with
// MissingConditionInput's text.
ConditionsRun RunConditions(const ConditionsOrder& order);

// A copy of the set's columns, scores included.
std::unique_ptr<lumo::CColumnSet> CopyOf(const lumo::CColumnSet& set);
