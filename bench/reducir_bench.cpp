// Lumo Reducir's window while it reduces, offscreen: the longest stall of
// its event loop during a reduction al 11 of the example bet (329,695
// columns), and how long "Cancelar" takes to stop a reduction al 10.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>

#include "betfile/bet_writer.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/scoring.h"
#include "forecast/forecast_file.h"
#include "reducir/reduce_tab.h"
#include "reducir/reducir_window.h"

using namespace lumo;

namespace {

std::unique_ptr<ReducirWindow> window;
QTemporaryDir folder;

// The example bet, as the window of Lumo builds it from the sample forecast:
// all columns, cut below 60, the zero step and 4..9 variants, 0..5 twos;
// written beside a copy of the forecast and opened in the window.
void OpenExampleBet() {
    const std::filesystem::path forecast(LUMO_EXAMPLES_DIR "/pronostico.txt");
    const CForecastTable table = LoadForecast(forecast, std::cout).table;
    CColumnSet bet(kAllColumns);
    bet.GenerateAll(ScoringOf(table));
    bet.Filter(ScoreAbove{60});
    bet.Filter(NoZeroPercent(table));
    KeepWithinCondition(bet, {.minVariants = 4, .maxVariants = 9, .minDoses = 0, .maxDoses = 5});
    const std::filesystem::path dir(folder.path().toStdString());
    std::error_code error;
    std::filesystem::copy_file(forecast, dir / "pronostico.txt", error);
    if (error) {
        std::cerr << "cannot copy " << forecast << ": " << error.message() << '\n';
        std::exit(1);
    }
    WriteBet(dir / "apuesta.txt", bet);
    window->OpenBetFile(folder.filePath(QStringLiteral("apuesta.txt")));
}

void ChooseGuarantee(int guarantee) {
    auto* box = window->findChild<QComboBox*>(QStringLiteral("guaranteeBox"));
    box->setCurrentIndex(box->findData(guarantee));
}

void Click(const char* name) {
    QTest::mouseClick(window->findChild<QPushButton*>(QString::fromLatin1(name)), Qt::LeftButton);
}

// Turns the event loop while `busy` holds and then a few turns more, timing
// each turn of a 1 ms timer; returns the longest time between two ticks.
template <typename Busy>
qint64 LongestStallWhile(Busy busy) {
    QElapsedTimer clock;
    clock.start();
    qint64 last = 0;
    qint64 longest = 0;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    tick.start(1);
    last = clock.nsecsElapsed();
    while (busy()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    // The end's own handling in the window: the result shown, the tabs fed.
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    }
    longest = std::max(longest, clock.nsecsElapsed() - last);
    return longest;
}

void BM_ReducirStallAl11(benchmark::State& state) {
    ChooseGuarantee(11);
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        Click("reduceButton");
        const qint64 stall = LongestStallWhile([] { return window->Reduction().Running(); });
        state.SetIterationTime(static_cast<double>(total.nsecsElapsed()) / 1e9);
        state.counters["stall_ms"] = static_cast<double>(stall) / 1e6;
        const CColumnSet* kept = window->Reduction().Reduction();
        state.counters["kept"] = kept == nullptr ? 0 : kept->Count();
    }
}
BENCHMARK(BM_ReducirStallAl11)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// Reference: the same loop for three seconds with nothing running, the
// stalls that the machine's other work alone causes.
void BM_IdleLoopStall(benchmark::State& state) {
    for (auto _ : state) {
        QElapsedTimer total;
        total.start();
        const qint64 stall = LongestStallWhile([&total] { return total.elapsed() < 3000; });
        state.SetIterationTime(static_cast<double>(total.nsecsElapsed()) / 1e9);
        state.counters["stall_ms"] = static_cast<double>(stall) / 1e6;
    }
}
BENCHMARK(BM_IdleLoopStall)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_ReducirCancelAl10(benchmark::State& state) {
    ChooseGuarantee(10);
    for (auto _ : state) {
        Click("reduceButton");
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < 500) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        QElapsedTimer stopping;
        stopping.start();
        Click("cancelButton");
        while (window->Reduction().Running()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        }
        state.SetIterationTime(static_cast<double>(stopping.nsecsElapsed()) / 1e9);
        state.counters["cancel_ms"] = static_cast<double>(stopping.nsecsElapsed()) / 1e6;
    }
}
BENCHMARK(BM_ReducirCancelAl10)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", LUMO_OFFSCREEN_PLATFORM);
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    const QApplication application(argc, argv);
    window = std::make_unique<ReducirWindow>();
    window->show();
    OpenExampleBet();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    window.reset();
    return 0;
}
