// What the main dialog shows of its data: the refresh after every command
// (column list, count, hidden mirror fields, bet shares, progress bar), the
// list's events, and the three list boxes of per-match percentages: the
// Forecast table, the Expectation table (hidden) and the bet shares (hidden).
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QString>
#include <QTreeWidget>
#include <array>
#include <string>

#include "app/column_list.h"
#include "app/lumo_dlg.h"
#include "core/column.h"
#include "core/forecast_table.h"
#include "forecast/bet_shares.h"
#include "forecast/forecast_text.h"
#include "platform/message_box.h"

using namespace lumo;

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

void CLumoDlg::RefreshColumnList() {
    columnList->setUpdatesEnabled(false);
    FillColumnList(*columnList, *bet);
    randomCountEdit->setText(QString::number(bet->Count()));
    countText->setText(QString::asprintf("%d cols.", bet->Count()));
    columnList->setUpdatesEnabled(true);
    progressBar->setValue(0);
    coveredEdit->setText(QString::number(bet->covered));
    ShowBetShares();
    if (universe) {
        universeCountEdit->setText(QString::number(universe->Count()));
    }
}

void CLumoDlg::OnHeaderClick(int header) {
    SortColumnList(*columnList, header);
}

void CLumoDlg::OnListDoubleClick(const QTreeWidgetItem* row) {
    if (row == nullptr) {
        return;
    }
    const int key = RowKey(*row);
    if (key < 0 || key >= bet->Count()) {
        return;  // a row left over from a bet that has shrunk since the refresh
    }
    ShowMessage(this, QString::asprintf("%.3f", (*bet)[key].Probability(tables.expectation)));
}
