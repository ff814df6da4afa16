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
#include "app/edit_number.h"
#include "app/lumo_dlg.h"
#include "app/message_box.h"
#include "core/column_predicates.h"
#include "core/covering.h"
#include "core/neighbour.h"
#include "core/progress.h"
#include "forecast/forecast_table.h"

namespace {

// The random-columns tool reads at most this many characters of its field.
constexpr qsizetype kRandomCountLength = 127;
// Columns typed or taken as the winner: only the first 14 characters count.
constexpr qsizetype kTypedColumnLength = kMatches;
// The re-score tool reports every this many columns.
constexpr std::int32_t kRescoreReportStep = 10'000;
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

// The keys of the selected rows, in the list's order (as it is sorted now).
std::vector<int> SelectedRowKeys(const QTreeWidget& list) {
    std::vector<int> keys;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        if (item->isSelected()) {
            keys.push_back(RowKey(*item));
        }
    }
    return keys;
}

// Makes room for `more` columns after the bet's last one; false when that
// many cannot be held. The bet is unchanged either way.
bool ReserveMore(CColumnSet& bet, std::int64_t more) {
    const std::int64_t needed = static_cast<std::int64_t>(bet.Count()) + more;
    if (needed > INT32_MAX) {
        return false;
    }
    try {
        bet.Reserve(static_cast<std::int32_t>(needed));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

}  // namespace

void CLumoDlg::OnRandomColumns() {
    RunCommand(CommandCursor::kNormal, [this] {
        const std::int32_t n = ReadEditNumber(*randomCountEdit, kRandomCountLength);
        if (n < 0) {
            // A larger number than the count empties the bet.
            bet->Truncate(bet->Count() + n);
            return;
        }
        if (!ReserveMore(*bet, n)) {
            ShowMessage(this, kNoMemoryText);
            return;
        }
        for (std::int32_t i = 0; i < n; ++i) {
            CColumn column;
            column.Randomize(forecastTable);
            bet->AppendNoGrow(column);
        }
    });
}

void CLumoDlg::OnAddColumn() {
    RunCommand(CommandCursor::kNormal, [this] {
        try {
            bet->AppendNoGrow(ColumnFromText(addColumnEdit->text()));
        } catch (const std::bad_alloc&) {
            ShowMessage(this, kNoMemoryText);
            return;
        }
        addColumnEdit->clear();
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
        QString text;
        for (std::size_t i = 0; i < counters.size(); ++i) {
            if (i > 0) {
                text += QLatin1Char('\n');
            }
            const auto hits = static_cast<int>(kMatches - static_cast<std::int32_t>(i));
            text += QStringLiteral("%1 aciertos: %2").arg(hits).arg(counters[i]);
        }
        ShowMessage(this, text);
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
        const std::int32_t count = bet->Count();
        for (std::int32_t i = 0; i < count; ++i) {
            if (i % kRescoreReportStep == 0) {
                statusText->setText(QStringLiteral("%1 %2").arg(i).arg(count));
                // The bar is scaled to all columns, not to the bet.
                ReportProgress(
                    static_cast<std::int32_t>(static_cast<std::int64_t>(i) * 100 / kAllColumns));
            }
            CColumn& column = (*bet)[i];
            column.score = column.ComputeScore(forecastTable);
        }
    });
}

void CLumoDlg::OnAverageModeToggled() {
    // Held scores stay as they are until the re-score tool runs.
    averageMode = averageModeCheck->isChecked();
}

void CLumoDlg::OnAddNeighbours() {
    const std::vector<int> keys = SelectedRowKeys(*columnList);
    if (keys.empty()) {
        return;
    }
    RunCommand(CommandCursor::kNormal, [this, &keys] {
        if (!ReserveMore(*bet, static_cast<std::int64_t>(keys.size()) * kNeighbourChanges)) {
            ShowMessage(this, kNoMemoryText);
            return;
        }
        for (const int key : keys) {
            if (key >= bet->Count()) {
                continue;  // a row of a column the bet no longer holds
            }
            const CColumn source = (*bet)[key];
            for (std::int32_t change = 0; change < kNeighbourChanges; ++change) {
                bet->AppendNoGrow(Neighbour(source, change));
            }
        }
    });
}

void CLumoDlg::OnAddNeighbours2() {
    const std::vector<int> keys = SelectedRowKeys(*columnList);
    if (keys.empty()) {
        return;
    }
    RunCommand(CommandCursor::kNormal, [this, key = keys.front()] {
        if (key >= bet->Count()) {
            return;
        }
        if (!ReserveMore(*bet, kNeighbourChanges * kNeighbourChanges)) {
            ShowMessage(this, kNoMemoryText);
            return;
        }
        const CColumn source = (*bet)[key];
        for (std::int32_t outer = 0; outer < kNeighbourChanges; ++outer) {
            const CColumn neighbour = Neighbour(source, outer);
            for (std::int32_t inner = 0; inner < kNeighbourChanges; ++inner) {
                bet->AppendNoGrow(Neighbour(neighbour, inner));
            }
        }
    });
}

void CLumoDlg::OnMakeUniverse() {
    // No refresh: field 1079 shows the new count at the next one.
    universe.reset();
    try {
        auto fresh = std::make_unique<CColumnSet>(kAllColumns);
        fresh->GenerateAll();
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
    RunCommand(CommandCursor::kNormal, [this, distance] {
        // Room first, so that a picked column always reaches the bet.
        if (!ReserveMore(*bet, 1)) {
            ShowMessage(this, kNoMemoryText);
            return;
        }
        const CColumn* picked = ReduceStep(*bet, *universe, distance);
        if (picked == nullptr) {
            ShowMessage(this, kExploredText);
            return;
        }
        bet->Append(*picked);
    });
}

void CLumoDlg::OnProfitable() {
    RunCommand(CommandCursor::kWait,
               [this] { bet->Filter(IsProfitable(kProfitableThreshold, expectationTable)); });
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
