// The candidate list's share of the text service's events. No list is ever
// shown yet, so `presenter` stays null and these find nothing to do; the
// candidate-list element fills them in:
// - DeletePresenter: delete it, null (Deactivate, the last Release).
// - ClosePresenterList: CloseCandidateList, `candidateMode` 0 (profile off).
// - ShowPresenterIfFocused: ShowIfShowMode when its context's document
//   manager is the focused one, else HideIfShowMode (document focus).
// - ShowPresenterIfLastFocused: ShowIfShowMode when that document manager is
//   `lastFocusedDocumentMgr` (thread focus back).
// - HidePresenterOnKillFocus: its document manager becomes
//   `lastFocusedDocumentMgr`, then HideIfShowMode (thread focus lost).
#include "service/tsf/LutemIME.h"

void LutemIME::DeletePresenter() {}

void LutemIME::ClosePresenterList() {
  if (presenter != nullptr) candidateMode = 0;
}

void LutemIME::ShowPresenterIfFocused(ITfDocumentMgr*) {}

void LutemIME::ShowPresenterIfLastFocused() {}

void LutemIME::HidePresenterOnKillFocus() {}
