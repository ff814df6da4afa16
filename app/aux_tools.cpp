// The hidden tools (columns, marks, re-scoring, universe, covering, profitability).
#include "app/lumo_dlg.h"

void CLumoDlg::OnRandomColumns() {}

void CLumoDlg::OnAddColumn() {}

void CLumoDlg::OnAddColumnTextChanged() {}

void CLumoDlg::OnWinner() {}

void CLumoDlg::OnDeleteMarked() {}

void CLumoDlg::OnConsolidateMarked() {}

void CLumoDlg::OnDeleteAll() {}

void CLumoDlg::OnRescore() {}

void CLumoDlg::OnAverageModeToggled() {}

void CLumoDlg::OnAddNeighbours() {}

void CLumoDlg::OnAddNeighbours2() {}

void CLumoDlg::OnMakeUniverse() {}

void CLumoDlg::OnGreedyStep(int /*distance*/) {}

void CLumoDlg::OnProfitable() {}

void CLumoDlg::OnSwapUniverse() {}

void CLumoDlg::OnImport() {}
