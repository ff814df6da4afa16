#include "reducir/conditions_run.h"

#include "core/column.h"

using namespace lumo;

ConditionsRun RunConditions(const ConditionsOrder& order) {
    ConditionsRun run;
    run.file = order.file;
    if (order.which == ConditionColumns::kAll) {
        run.kept = std::make_unique<CColumnSet>(kAllColumns);
        run.kept->GenerateAll(order.scoring);
    } else {
        run.kept = CopyOf(*order.bet);
    }
    run.tally = ApplyConditions(*run.kept, order.file, {order.scoring.table, order.values});
    return run;
}

std::unique_ptr<CColumnSet> CopyOf(const CColumnSet& set) {
    auto copy = std::make_unique<CColumnSet>(set.Count());
    for (const CColumn& column : set) {
        copy->AppendNoGrow(column);
    }
    return copy;
}
