// The bet file commands: OnOpenBet, OnSaveBet and OnCopyBet.
#include "app/lumo_dlg.h"

void CLumoDlg::OnOpenBet() {}

void CLumoDlg::OnSaveBet() {}

void CLumoDlg::OnCopyBet() {}
