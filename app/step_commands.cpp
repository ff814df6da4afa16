// The commands of steps 1 to 5 (generate, cut, fix, condition, sort, reduce).
#include <QLineEdit>
#include <QString>
#include <cstdint>
#include <memory>
#include <new>

#include "app/edit_number.h"
#include "app/lumo_dlg.h"
#include "app/message_box.h"
#include "app/wait_cursor.h"
#include "core/column_predicates.h"
#include "core/condition.h"
#include "core/covering.h"
#include "forecast/forecast_table.h"

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
    bool outOfMemory = false;
    RunCommand(CommandCursor::kWait, [this, &outOfMemory] {
        // The bet's own storage when it has room; otherwise the new set
        // first, so that when its memory cannot be had the bet stays as it is.
        try {
            RenewWithAllColumns(bet);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;
        }
    });
    if (outOfMemory) {
        ShowMessage(this, kNoMemoryForAllText);
    }
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
    RunCommand(CommandCursor::kWait, [this] { bet->Filter(NoZeroPercent(forecastTable)); });
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
    bool outOfMemory = false;
    RunCommand(CommandCursor::kNormal, [this, &outOfMemory] {
        try {
            bet->SortByScore();
        } catch (const std::bad_alloc&) {
            outOfMemory = true;  // the sort left the bet untouched
        }
    });
    if (outOfMemory) {
        ShowMessage(this, kNoMemoryForStepText);
    }
}

void CLumoDlg::OnReduce(int distance) {
    bool outOfMemory = false;
    RunCommand(CommandCursor::kWait, [this, distance, &outOfMemory] {
        try {
            NotNearKept notNearKept(*bet, distance);
            bet->Filter(notNearKept);
        } catch (const std::bad_alloc&) {
            outOfMemory = true;  // only the predicate allocates, before the filter starts
        }
    });
    if (outOfMemory) {
        ShowMessage(this, kNoMemoryForStepText);
    }
}

void CLumoDlg::OnMagicReduction() {
    ShowMessage(this, kMagicReductionText);
}
