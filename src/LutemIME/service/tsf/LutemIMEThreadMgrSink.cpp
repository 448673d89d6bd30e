// Focus, text edits, profile switches and thread focus.
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/keys/RangeCovers.h"
#include "service/langbar/CCompartmentValue.h"
#include "service/langbar/CLangBarItemButton.h"
#include "service/module/TextServiceGuids.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

namespace {

// Whether the document manager has a context to type into.
bool HasContext(ITfDocumentMgr* documentMgr) {
  if (documentMgr == nullptr) return false;
  IEnumTfContexts* contexts = nullptr;
  if (FAILED(documentMgr->EnumContexts(&contexts)) || contexts == nullptr) return false;
  ITfContext* first = nullptr;
  ULONG fetched = 0;
  bool found = contexts->Next(1, &first, &fetched) == S_OK && fetched == 1 && first != nullptr;
  if (first != nullptr) first->Release();
  contexts->Release();
  return found;
}

}  // namespace

BOOL LutemIME::AttachTextEditSink(ITfDocumentMgr* documentMgr) {
  if (textEditSinkCookie != TF_INVALID_COOKIE) {
    ITfSource* source = nullptr;
    if (textEditSinkContext != nullptr &&
        SUCCEEDED(textEditSinkContext->QueryInterface(IID_ITfSource,
                                                      reinterpret_cast<void**>(&source))) &&
        source != nullptr) {
      source->UnadviseSink(textEditSinkCookie);
      source->Release();
    }
    textEditSinkCookie = TF_INVALID_COOKIE;
  }
  if (textEditSinkContext != nullptr) {
    textEditSinkContext->Release();
    textEditSinkContext = nullptr;
  }
  if (documentMgr == nullptr) return TRUE;
  if (FAILED(documentMgr->GetTop(&textEditSinkContext))) {
    textEditSinkContext = nullptr;
    return FALSE;
  }
  if (textEditSinkContext == nullptr) return TRUE;
  ITfSource* source = nullptr;
  if (FAILED(textEditSinkContext->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source))) ||
      source == nullptr) {
    textEditSinkContext->Release();
    textEditSinkContext = nullptr;
    return FALSE;
  }
  HRESULT hr = source->AdviseSink(IID_ITfTextEditSink, static_cast<ITfTextEditSink*>(this),
                                  &textEditSinkCookie);
  source->Release();
  if (SUCCEEDED(hr)) return TRUE;
  textEditSinkCookie = TF_INVALID_COOKIE;
  textEditSinkContext->Release();
  textEditSinkContext = nullptr;
  return FALSE;
}

STDMETHODIMP LutemIME::OnEndEdit(ITfContext* pic, TfEditCookie ecReadOnly,
                                 ITfEditRecord* pEditRecord) {
  if (pEditRecord == nullptr) return E_INVALIDARG;
  BOOL selectionChanged = FALSE;
  // Only the composition's own document can have its caret leave it.
  if (FAILED(pEditRecord->GetSelectionStatus(&selectionChanged)) || !selectionChanged ||
      composition == nullptr || pic != compositionContext)
    return S_OK;
  if (pic == nullptr) return E_INVALIDARG;

  TF_SELECTION selection = {};
  ULONG fetched = 0;
  if (FAILED(pic->GetSelection(ecReadOnly, TF_DEFAULT_SELECTION, 1, &selection, &fetched)) ||
      fetched != 1) {
    if (fetched > 0 && selection.range != nullptr) selection.range->Release();
    return S_FALSE;
  }
  ITfRange* composed = nullptr;
  if (SUCCEEDED(composition->GetRange(&composed)) && composed != nullptr) {
    // The caret has left the composed text: the composition ends there.
    if (!RangeCovers(ecReadOnly, selection.range, composed)) RequestCloseComposition(pic);
    composed->Release();
  }
  if (selection.range != nullptr) selection.range->Release();
  return S_OK;
}

STDMETHODIMP LutemIME::OnSetFocus(ITfDocumentMgr* pdimFocus, ITfDocumentMgr*) {
  AttachTextEditSink(pdimFocus);
  // The word the user was typing stays in the document it was begun in.
  LeaveCompositionIfUnfocused();
  const bool disabled = !HasContext(pdimFocus);
  if (engine != nullptr && engine->languageBarButton != nullptr)
    engine->languageBarButton->SetStatusBit(TF_LBI_STATUS_DISABLED, disabled);
  if (pdimFocus != nullptr && threadMgr != nullptr) {
    // The keyboard opens at every document focus, even after the user closed it.
    CCompartmentValue(GUID_COMPARTMENT_KEYBOARD_OPENCLOSE, threadMgr, clientId).SetDword(1);
  }
  ShowPresenterIfFocused(pdimFocus);
  if (pdimFocus != nullptr) pdimFocus->AddRef();
  if (lastFocusedDocumentMgr != nullptr) lastFocusedDocumentMgr->Release();
  lastFocusedDocumentMgr = pdimFocus;
  return S_OK;
}

STDMETHODIMP LutemIME::OnInitDocumentMgr(ITfDocumentMgr*) { return E_NOTIMPL; }

STDMETHODIMP LutemIME::OnUninitDocumentMgr(ITfDocumentMgr* pdim) {
  // Its contexts are gone, and their compositions with them: nothing of
  // that word may linger for the next key in another document.
  ComRef<ITfDocumentMgr> document;
  if (composition != nullptr &&
      (FAILED(compositionContext->GetDocumentMgr(document.Receive())) || !document ||
       document.get() == pdim))
    LeaveComposition(true);
  return S_OK;
}

STDMETHODIMP LutemIME::OnPushContext(ITfContext* pic) {
  FollowTopContext(pic);
  return S_OK;
}

STDMETHODIMP LutemIME::OnPopContext(ITfContext* pic) {
  // The popped context drops the sessions that wait on it: its word is let
  // go now, whether or not its end could run.
  if (composition != nullptr && compositionContext == pic) LeaveComposition(true);
  FollowTopContext(pic);
  return S_OK;
}

void LutemIME::FollowTopContext(ITfContext* changed) {
  // A context pushed over the word, or popped from under the focus: typing
  // goes on in the new top context, and the text-edit sink follows it.
  ComRef<ITfDocumentMgr> focused;
  ComRef<ITfDocumentMgr> document;
  if (threadMgr != nullptr && changed != nullptr &&
      threadMgr->GetFocus(focused.Receive()) == S_OK && focused &&
      SUCCEEDED(changed->GetDocumentMgr(document.Receive())) && document.get() == focused.get())
    AttachTextEditSink(focused.get());
  LeaveCompositionIfUnfocused();
}

STDMETHODIMP LutemIME::OnActivated(REFCLSID clsid, REFGUID, BOOL fActivated) {
  if (!IsEqualGUID(clsid, CLSID_TextService)) return S_OK;
  if (fActivated) {
    CreateCompositionEngine();
    if (engine == nullptr) return S_OK;
    if (engine->languageBarButton != nullptr)
      engine->languageBarButton->SetStatusBit(TF_LBI_STATUS_HIDDEN, false);
    engine->SyncOpenFromConversion(threadMgr);
  } else if (engine != nullptr) {
    // The word open when the keyboard went stays as the user saw it, ended
    // in its own document (no candidate is learned); the keys still waiting
    // there go into it first.
    LeaveComposition(false);
    if (composition == nullptr) {
      delete[] engine->keyBuffer.text;
      engine->keyBuffer = {0, nullptr};
      ClosePresenterList();
    }
    if (engine->languageBarButton != nullptr)
      engine->languageBarButton->SetStatusBit(TF_LBI_STATUS_HIDDEN, true);
  }
  return S_OK;
}

STDMETHODIMP LutemIME::OnSetThreadFocus() {
  ShowPresenterIfLastFocused();
  return S_OK;
}

STDMETHODIMP LutemIME::OnKillThreadFocus() {
  HidePresenterOnKillFocus();
  return S_OK;
}
