// The commands of steps 1 to 5 (generate, cut, fix, condition, sort, reduce).
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <memory>
#include <utility>

#include "app/lumo_dlg.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "core/forecast_table.h"
#include "platform/edit_number.h"
#include "platform/message_box.h"
#include "platform/wait_cursor.h"

using namespace lumo;

namespace {

// Sorting more columns than this asks first.
constexpr std::int32_t kSortQuestionLimit = 100'000;

const QString kSlowSortQuestion = QStringLiteral(
    "La operación sería demasiado lenta y ha sido suspendida. Debe haber a lo sumo 100,000 "
    "columnas\n¿Está seguro de que desea continuar?");
const QString kMagicReductionText = QStringLiteral("reduccion -magica-");
const QString kNoMemoryForAllText = QStringLiteral(
    "No hay memoria suficiente para crear todas las columnas. La apuesta queda como estaba.");
const QString kNoMemoryForStepText =
    QStringLiteral("No hay memoria suficiente para esta operación. La apuesta queda como estaba.");

}  // namespace

void CLumoDlg::OnGenerateAll() {
    RunCommand(CommandCursor::kWait, kNoMemoryForAllText, [this] {
        // The bet's own storage when it has room; otherwise the new set
        // first, so that when its memory cannot be had the bet stays as it is.
        RenewWithAllColumns(bet, tables.scoring);
        return MemoryOutcome::kDone;
    });
}

void CLumoDlg::OnCutBelow() {
    RunCommand(CommandCursor::kNormal,
               [this] { bet->Filter(ScoreAbove{ReadEditNumber(*cutBelowEdit)}); });
}

void CLumoDlg::OnCutAbove() {
    RunCommand(CommandCursor::kWait,
               [this] { bet->Filter(ScoreBelow{ReadEditNumber(*cutAboveEdit)}); });
}

void CLumoDlg::OnRemoveZeroPercent() {
    RunCommand(CommandCursor::kWait, [this] { bet->Filter(NoZeroPercent(tables.scoring.table)); });
}

void CLumoDlg::OnCondition() {
    RunCommand(CommandCursor::kWait, [this] {
        const ConditionBounds bounds{
            .minVariants = ReadEditNumber(*minVariantsEdit),
            .maxVariants = ReadEditNumber(*maxVariantsEdit),
            .minDoses = ReadEditNumber(*minDosesEdit),
            .maxDoses = ReadEditNumber(*maxDosesEdit),
        };
        KeepWithinCondition(*bet, bounds);
    });
}

void CLumoDlg::OnSortByScore() {
    const CWaitCursor wait;
    if (bet->Count() > kSortQuestionLimit &&
        AskYesNo(this, kSlowSortQuestion, MessageAnswer::kYes) == MessageAnswer::kNo) {
        return;
    }
    RunCommand(CommandCursor::kNormal, kNoMemoryForStepText, [this] {
        bet->SortByScore();  // leaves the bet untouched when it runs out of memory
        return MemoryOutcome::kDone;
    });
}

void CLumoDlg::OnReduce(int distance) {
    RunCommand(CommandCursor::kWait, kNoMemoryForStepText, [this, distance] {
        // Only the predicate allocates, before the filter starts.
        NotNearKept notNearKept(*bet, distance);
        bet->Filter(notNearKept);
        return MemoryOutcome::kDone;
    });
}

void CLumoDlg::OnMagicReduction() {
    ShowMessage(this, kMagicReductionText);
}
