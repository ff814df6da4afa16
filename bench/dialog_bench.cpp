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
#include "platform/dialog_builder.h"
#include "platform/message_box.h"

namespace {

CLumoDlg* dialog = nullptr;

template <typename Control = QAbstractButton>
Control* ControlOf(int id) {
    return ControlById<Control>(*dialog, id);
}

void Click(int id) {
    ControlOf(id)->click();
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

void BM_DialogGenerateAll(benchmark::State& state) {
    for (auto _ : state) {
        Click(kGenerateAllButton);
    }
    if (dialog->Bet().Count() != kAllColumns) {
        state.SkipWithError("the bet does not hold all columns");
    }
}
BENCHMARK(BM_DialogGenerateAll)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCutBelow(benchmark::State& state) {
    Type(kCutBelowEdit, "60");
    ClickOnFullBet(state, kCutBelowButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCutBelow)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCutAbove(benchmark::State& state) {
    Type(kCutAboveEdit, "60");
    ClickOnFullBet(state, kCutAboveButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCutAbove)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogRemoveZeroPercent(benchmark::State& state) {
    ClickOnFullBet(state, kRemoveZeroPercentButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogRemoveZeroPercent)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogCondition(benchmark::State& state) {
    Type(kMinVariantsEdit, "3");
    Type(kMaxVariantsEdit, "9");
    Type(kMinDosesEdit, "1");
    Type(kMaxDosesEdit, "5");
    ClickOnFullBet(state, kConditionButton, BetOrder::kIndex);
}
BENCHMARK(BM_DialogCondition)->UseRealTime()->Unit(benchmark::kMillisecond);

void BM_DialogSortByScore(benchmark::State& state) {
    SetMessageAnswerer([](const MessageRequest&) { return MessageAnswer::kYes; });
    ClickOnFullBet(state, kSortByScoreButton, BetOrder::kIndex);
    SetMessageAnswerer({});
}
BENCHMARK(BM_DialogSortByScore)->UseRealTime()->Unit(benchmark::kMillisecond);

// The funnels of step 5, by distance.

void BM_DialogReduce(benchmark::State& state) {
    const auto distance = static_cast<std::size_t>(state.range(0));
    ClickOnFullBet(state, kReduceButtons[distance].id, BetOrder::kScore);
}
BENCHMARK(BM_DialogReduce)->DenseRange(0, 8)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const QApplication application(argc, argv);
    QDir::setCurrent(QStringLiteral(LUMO_EXAMPLES_DIR));
    const auto window = std::make_unique<CLumoDlg>();
    window->show();
    QApplication::processEvents();
    dialog = window.get();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    dialog = nullptr;
    return 0;
}
