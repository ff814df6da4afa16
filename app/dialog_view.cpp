// The three list boxes of per-match percentages: the Forecast table (1002),
// the Expectation table (1007, hidden) and the bet shares (1006, hidden).
#include <QListWidget>
#include <array>
#include <string>

#include "app/lumo_dlg.h"
#include "core/column.h"
#include "forecast/bet_shares.h"
#include "forecast/forecast_text.h"

namespace {

// Replaces the rows of `list` by `texts`, row k showing match k + 1.
void ShowRows(QListWidget& list, const std::array<std::string, kMatches>& texts) {
    list.clear();
    for (int row = 0; row < kMatches; ++row) {
        list.insertItem(row, QString::fromStdString(texts[static_cast<std::size_t>(row)]));
    }
}

}  // namespace

void CLumoDlg::ShowForecast(const CForecastTable& table) {
    ShowRows(*forecastList, ForecastRowTexts(table));
}

void CLumoDlg::ShowExpectation(const CForecastTable& table) {
    ShowRows(*expectationList, ExpectationRowTexts(table));
}

void CLumoDlg::ShowBetShares() {
    ShowRows(*betSharesList, BetShareRowTexts(*bet));
}
