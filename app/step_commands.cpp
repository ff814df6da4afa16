// The commands of steps 1 to 5 (generate, cut, fix, condition, sort, reduce).
#include "app/lumo_dlg.h"

void CLumoDlg::OnGenerateAll() {}

void CLumoDlg::OnCutBelow() {}

void CLumoDlg::OnCutAbove() {}

void CLumoDlg::OnRemoveZeroPercent() {}

void CLumoDlg::OnCondition() {}

void CLumoDlg::OnSortByScore() {}

void CLumoDlg::OnReduce(int /*distance*/) {}

void CLumoDlg::OnMagicReduction() {}
