// The hidden tools (columns, marks, re-scoring, universe, covering, profitability).
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <cstdint>
#include <new>
#include <utility>
#include <vector>

#include "app/column_list.h"
#include "app/lumo_dlg.h"
#include "core/bet_additions.h"
#include "core/column_predicates.h"
#include "core/covering.h"
#include "core/forecast_table.h"
#include "core/greedy_step.h"
#include "core/progress.h"
#include "core/rescore.h"
#include "platform/edit_number.h"
#include "platform/message_box.h"

using namespace lumo;

namespace {

// The random-columns tool reads at most this many characters of its field.
constexpr qsizetype kRandomCountLength = 127;
// Columns typed or taken as the winner: only the first 14 characters count.
constexpr qsizetype kTypedColumnLength = kMatches;
// The winning-column statistics ask for this many hits: no column has them,
// so only the five counters matter.
constexpr std::int32_t kWinnerThreshold = 15;
// The profitability tool keeps the columns whose expectation exceeds this.
constexpr double kProfitableThreshold = 1.0;

const QString kNoMemoryText =
    QStringLiteral("No hay memoria suficiente para tantas columnas. La apuesta queda como estaba.");
const QString kNoMemoryForUniverseText =
    QStringLiteral("No hay memoria suficiente para crear el universo.");
const QString kNoUniverseText =
    QStringLiteral("Primero hay que crear el universo con el botón \"B\".");
const QString kExploredText = QStringLiteral("todo explorado");

// The column made of a typed text: its first 14 characters, as ParseText
// reads them ('2' is 2, 'X' or 'x' is X, anything else 1).
CColumn ColumnFromText(const QString& text) {
    // Latin-1 keeps one byte per character; characters outside it become '?',
    // which reads as 1 like any other character.
    const QByteArray signs = text.left(kTypedColumnLength).toLatin1();
    CColumn column;
    column.ParseText(std::string_view(signs.constData(), static_cast<std::size_t>(signs.size())));
    return column;
}

// The winning-column statistics as the message shows them.
QString HitCountsText(const HitCounters& counters) {
    QString text;
    for (std::size_t i = 0; i < counters.size(); ++i) {
        if (i > 0) {
            text += QLatin1Char('\n');
        }
        const auto hits = static_cast<int>(kMatches - static_cast<std::int32_t>(i));
        text += QStringLiteral("%1 aciertos: %2").arg(hits).arg(counters[i]);
    }
    return text;
}

}  // namespace

void CLumoDlg::OnRandomColumns() {
    const std::int32_t n = ReadEditNumber(*randomCountEdit, kRandomCountLength);
    RunCommand(CommandCursor::kNormal, kNoMemoryText,
               [this, n] { return AppendRandomColumns(*bet, n, tables.scoring.table); });
}

void CLumoDlg::OnAddColumn() {
    RunCommand(CommandCursor::kNormal, kNoMemoryText, [this] {
        bet->AppendNoGrow(ColumnFromText(addColumnEdit->text()));
        addColumnEdit->clear();
        return MemoryOutcome::kDone;
    });
}

void CLumoDlg::OnAddColumnTextChanged() {
    // Typing into the field does nothing until the plus button is clicked.
}

void CLumoDlg::OnWinner() {
    RunCommand(CommandCursor::kNormal, [this] {
        const CColumn winner = ColumnFromText(winnerEdit->text());
        HitCounters counters{};
        HitStatistics(*bet, winner, counters, kWinnerThreshold);
        ShowMessage(this, HitCountsText(counters));
    });
}

void CLumoDlg::OnDeleteMarked() {
    // Refreshes the list; no operation is defined behind the button.
    RunCommand(CommandCursor::kWait, [] {});
}

void CLumoDlg::OnConsolidateMarked() {
    // Refreshes the list; no operation is defined behind the button.
    RunCommand(CommandCursor::kWait, [] {});
}

void CLumoDlg::OnDeleteAll() {
    RunCommand(CommandCursor::kNormal, [this] { bet->Truncate(0); });
}

void CLumoDlg::OnRescore() {
    RunCommand(CommandCursor::kWait, [this] {
        RescoreAll(*bet, tables.scoring, [this](std::int32_t index, std::int32_t count) {
            statusText->setText(QStringLiteral("%1 %2").arg(index).arg(count));
        });
    });
}

void CLumoDlg::OnAverageModeToggled() {
    // Held scores stay as they are until the re-score tool runs.
    tables.scoring.mode =
        averageModeCheck->isChecked() ? ScoreMode::kAverage : ScoreMode::kNormalised;
}

void CLumoDlg::OnAddNeighbours() {
    const std::vector<int> keys = SelectedRowKeys(*columnList);
    if (keys.empty()) {
        return;
    }
    RunCommand(CommandCursor::kNormal, kNoMemoryText,
               [this, &keys] { return AppendNeighbours(*bet, keys); });
}

void CLumoDlg::OnAddNeighbours2() {
    const std::vector<int> keys = SelectedRowKeys(*columnList);
    if (keys.empty()) {
        return;
    }
    RunCommand(CommandCursor::kNormal, kNoMemoryText,
               [this, key = keys.front()] { return AppendSecondNeighbours(*bet, key); });
}

void CLumoDlg::OnMakeUniverse() {
    // No refresh: field 1079 shows the new count at the next one.
    universe.reset();
    try {
        auto fresh = std::make_unique<CColumnSet>(kAllColumns);
        fresh->GenerateAll(tables.scoring);
        universe = std::move(fresh);
    } catch (const std::bad_alloc&) {
        ReportProgress(0);
        ShowMessage(this, kNoMemoryForUniverseText);
    }
}

void CLumoDlg::OnGreedyStep(int distance) {
    if (!universe) {
        ShowMessage(this, kNoUniverseText);
        return;
    }
    GreedyStepEnd end = GreedyStepEnd::kAdded;
    RunCommand(CommandCursor::kNormal,
               [this, distance, &end] { end = GreedyStep(*bet, *universe, distance); });
    if (end == GreedyStepEnd::kNoMemory) {
        ShowMessage(this, kNoMemoryText);
    } else if (end == GreedyStepEnd::kAllExplored) {
        ShowMessage(this, kExploredText);
    }
}

void CLumoDlg::OnProfitable() {
    RunCommand(CommandCursor::kWait,
               [this] { bet->Filter(IsProfitable(kProfitableThreshold, tables.expectation)); });
}

void CLumoDlg::OnSwapUniverse() {
    RunCommand(CommandCursor::kNormal, [this] {
        if (!universe) {
            // The bet becomes the universe and an empty bet takes its place.
            universe = std::make_unique<CColumnSet>();
        }
        std::swap(bet, universe);
    });
}

void CLumoDlg::OnImport() {
    // "Importar J" has no operation behind it.
}
