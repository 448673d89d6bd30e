// The candidate list's share of the text service's events: deactivation and
// the last release let it go, a profile switched off closes it, document and
// thread focus show and hide it.
#include "service/candidate/CCandidateListUIPresenter.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

namespace {

// The document manager of the list's document; nothing once it is closed.
ComRef<ITfDocumentMgr> ListDocument(CCandidateListUIPresenter* presenter) {
  ComRef<ITfDocumentMgr> document;
  ComRef<ITfContext> context;
  if (presenter == nullptr) return document;
  if (!presenter->ListContext(context.Receive()) || !context ||
      FAILED(context->GetDocumentMgr(document.Receive())))
    document.Reset();
  return document;
}

}  // namespace

void LutemIME::DeletePresenter() {
  if (presenter == nullptr) return;
  CCandidateListUIPresenter* going = presenter;
  presenter = nullptr;
  going->CloseCandidateList();
  // TSF or a UI-less application may still hold the element: it lives until
  // they let it go, closed.
  going->Release();
}

void LutemIME::ClosePresenterList() {
  if (presenter == nullptr) return;
  presenter->CloseCandidateList();
  candidateMode = CandidateModeNone;
}

void LutemIME::ShowPresenterIfFocused(ITfDocumentMgr* focused) {
  ComRef<ITfDocumentMgr> document = ListDocument(presenter);
  if (!document) return;
  if (document.get() == focused) {
    presenter->ShowIfShowMode();
  } else {
    presenter->HideIfShowMode();
  }
}

void LutemIME::ShowPresenterIfLastFocused() {
  ComRef<ITfDocumentMgr> document = ListDocument(presenter);
  if (document && document.get() == lastFocusedDocumentMgr) presenter->ShowIfShowMode();
}

void LutemIME::HidePresenterOnKillFocus() {
  if (presenter == nullptr) return;
  if (ComRef<ITfDocumentMgr> document = ListDocument(presenter)) {
    ITfDocumentMgr* kept = document.get();
    kept->AddRef();
    if (lastFocusedDocumentMgr != nullptr) lastFocusedDocumentMgr->Release();
    lastFocusedDocumentMgr = kept;
  }
  presenter->HideIfShowMode();
}
