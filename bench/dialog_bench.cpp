// The window's commands on the full bet of 4,782,969 columns, each clicked
// through its button on the offscreen platform: the handler, the progress
// bar it drives and the list refresh at its end. Each must answer within
// 1 s of wall time, so every benchmark measures wall time. The forecast is
// examples/pronostico.txt.
#include <benchmark/benchmark.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProgressBar>
#include <memory>

#include "app/control_ids.h"
#include "app/lumo_dlg.h"
#include "bench/bench_sets.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "core/forecast_table.h"
#include "core/progress.h"
#include "platform/dialog_builder.h"
#include "platform/message_box.h"

using namespace lumo;

namespace {

ProgramTables tables;
std::unique_ptr<CLumoDlg> window;
CLumoDlg* dialog = nullptr;

// Replaces the dialog by a new one, shown, with an empty bet of no storage.
void OpenFreshDialog() {
    window.reset();  // its sink goes first
    window = std::make_unique<CLumoDlg>(tables);
    window->show();
    QApplication::processEvents();
    dialog = window.get();
}

template <typename Control = QAbstractButton>
Control* ControlOf(int id) {
    return ControlById<Control>(*dialog, id);
}

// Clicks `id` and lets the event loop paint what the command left changed,
// as it does before the user sees the result, so that no painting is left
// over for the next command.
void Click(int id) {
    ControlOf(id)->click();
    QApplication::processEvents();
}

void Type(int id, const char* text) {
    ControlOf<QLineEdit>(id)->setText(QString::fromLatin1(text));
}

enum class BetOrder { kIndex, kScore };

// The full bet, in index order (as step 1 makes it) or sorted by score (as
// the sort of step 5 leaves it before a reduction).
const CColumnSet& FullBet(BetOrder order) {
    return order == BetOrder::kIndex ? FullSetInIndexOrder() : FullSetByScore();
}

void LoadBet(BetOrder order) {
    CColumnSet& bet = dialog->Bet();
    bet.Truncate(0);
    bet.Reserve(kAllColumns);
    for (const CColumn& column : FullBet(order)) {
        bet.AppendNoGrow(column);
    }
}

// Clicks `id` once per iteration on a freshly loaded full bet.
void ClickOnFullBet(benchmark::State& state, int id, BetOrder order) {
    FullBet(order);
    std::int32_t left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LoadBet(order);
        state.ResumeTiming();
        Click(id);
        left = dialog->Bet().Count();
    }
    if (ControlOf<QProgressBar>(kProgressBar)->value() != 0) {
        state.SkipWithError("the progress bar is not back at 0");
    }
    state.counters["left"] = left;
}

// Times `pass` on the dialog's bet, freshly loaded in `order`, without the
// window: the engine's part of a command, without its progress painting.
template <typename Pass>
void PassOnFullBet(benchmark::State& state, BetOrder order, Pass pass) {
    const QuietProgress quiet;
    FullBet(order);
    std::int32_t left = 0;
    for (auto _ : state) {
        state.PauseTiming();
        LoadBet(order);
        state.ResumeTiming();
        pass(dialog->Bet());
        left = dialog->Bet().Count();
    }
    state.counters["left"] = left;
}

// The progress bar moved through the sink from 0 to 100 once, as a command
// on the full bet moves it.
void BM_ProgressSweep(benchmark::State& state) {
    QProgressBar* const bar = ControlOf<QProgressBar>(kProgressBar);
    for (auto _ : state) {
        state.PauseTiming();
        bar->setValue(0);
        state.ResumeTiming();
        for (std::int32_t position = 0; position <= 100; ++position) {
            ReportProgress(position);
        }
    }
    if (bar->value() != 100) {
        state.SkipWithError("the sweep did not reach 100");
    }
}
BENCHMARK(BM_ProgressSweep)->UseRealTime()->Unit(benchmark::kMillisecond);

// The list refresh that ends every command, on the full bet.
void BM_DialogRefresh(benchmark::State& state) {
    LoadBet(BetOrder::kIndex);
    for (auto _ : state) {
        dialog->RefreshColumnList();
    }
}
BENCHMARK(BM_DialogRefresh)->UseRealTime()->Unit(benchmark::kMillisecond);

void CheckAllColumns(benchmark::State& state) {
    if (dialog->Bet().Count() != kAllColumns) {
        state.SkipWithError("the bet does not hold all columns");
    }
}

// Generate over a full bet: its storage holds all columns and is reused.
void BM_DialogGenerateAll(benchmark::State& state) {
    Click(kGenerateAllButton);
    for (auto _ : state) {
        Click(kGenerateAllButton);
    }
    CheckAllColumns(state);
}
BENCHMARK(BM_DialogGenerateAll)->UseRealTime()->Unit(benchmark::kMillisecond);

// Generate as the first command of a new dialog: a new set of all columns.
void BM_DialogGenerateAllFresh(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        OpenFreshDialog();
        state.ResumeTiming();
        Click(kGenerateAllButton);
    }
    CheckAllColumns(state);
}
BENCHMARK(BM_DialogGenerateAllFresh)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCutBelow(benchmark::State& state) {
    Type(kCutBelowEdit, "60");
    ClickOnFullBet(state, kCutBelowButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCutBelow)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineCutBelow(benchmark::State& state) {
    PassOnFullBet(state, BetOrder::kIndex, [](CColumnSet& bet) { bet.Filter(ScoreAbove{60}); });
}
BENCHMARK(BM_EngineCutBelow)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCutAbove(benchmark::State& state) {
    Type(kCutAboveEdit, "60");
    ClickOnFullBet(state, kCutAboveButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCutAbove)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineCutAbove(benchmark::State& state) {
    PassOnFullBet(state, BetOrder::kIndex, [](CColumnSet& bet) { bet.Filter(ScoreBelow{60}); });
}
BENCHMARK(BM_EngineCutAbove)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogRemoveZeroPercent(benchmark::State& state) {
    ClickOnFullBet(state, kRemoveZeroPercentButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogRemoveZeroPercent)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineRemoveZeroPercent(benchmark::State& state) {
    PassOnFullBet(state, BetOrder::kIndex,
                  [](CColumnSet& bet) { bet.Filter(NoZeroPercent(tables.scoring.table)); });
}
BENCHMARK(BM_EngineRemoveZeroPercent)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCondition(benchmark::State& state) {
    Type(kMinVariantsEdit, "3");
    Type(kMaxVariantsEdit, "9");
    Type(kMinDosesEdit, "1");
    Type(kMaxDosesEdit, "5");
    ClickOnFullBet(state, kConditionButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCondition)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineCondition(benchmark::State& state) {
    PassOnFullBet(state, BetOrder::kIndex, [](CColumnSet& bet) {
        KeepWithinCondition(bet,
                            {.minVariants = 3, .maxVariants = 9, .minDoses = 1, .maxDoses = 5});
    });
}
BENCHMARK(BM_EngineCondition)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogSortByScore(benchmark::State& state) {
    SetMessageAnswerer([](const MessageRequest&) { return MessageAnswer::kYes; });
    ClickOnFullBet(state, kSortByScoreButton, BetOrder::kIndex);
    SetMessageAnswerer({});
}
BENCHMARK(BM_DialogSortByScore)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineSortByScore(benchmark::State& state) {
    PassOnFullBet(state, BetOrder::kIndex, [](CColumnSet& bet) { bet.SortByScore(); });
}
BENCHMARK(BM_EngineSortByScore)->UseRealTime()->Unit(benchmark::kMillisecond);

// The funnels of step 5, by distance.

void BM_DialogReduce(benchmark::State& state) {
    const auto distance = static_cast<std::size_t>(state.range(0));
    ClickOnFullBet(state, kReduceButtons[distance].id, BetOrder::kScore);
}
BENCHMARK(BM_DialogReduce)->DenseRange(0, 8)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_EngineReduce(benchmark::State& state) {
    const auto distance = static_cast<std::int32_t>(state.range(0));
    PassOnFullBet(state, BetOrder::kScore, [distance](CColumnSet& bet) {
        NotNearKept notNearKept(bet, distance);
        bet.Filter(notNearKept);
    });
}
BENCHMARK(BM_EngineReduce)->DenseRange(0, 8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    // Offscreen, on a 1280x1024 screen where the window has its full-size font.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", LUMO_OFFSCREEN_PLATFORM);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const QApplication application(argc, argv);
    QDir::setCurrent(QStringLiteral(LUMO_EXAMPLES_DIR));
    OpenFreshDialog();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    dialog = nullptr;
    window.reset();
    return 0;
}
