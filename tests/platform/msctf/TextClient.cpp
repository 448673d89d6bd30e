#include "TextClient.h"

namespace tsftest {

HRESULT TextClient::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  void* found = nullptr;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfTextEditSink)) {
    found = static_cast<ITfTextEditSink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfTextLayoutSink)) {
    found = static_cast<ITfTextLayoutSink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfCompositionSink)) {
    found = static_cast<ITfCompositionSink*>(this);
  }
  return Answer(found, object);
}

HRESULT TextClient::OnEndEdit(ITfContext* pic, TfEditCookie ecReadOnly,
                              ITfEditRecord* pEditRecord) {
  BOOL moved = FALSE;
  pEditRecord->GetSelectionStatus(&moved);
  log.push_back(moved ? "OnEndEdit moved" : "OnEndEdit still");
  noticeContexts.push_back(pic);
  // A copy, so a hook may replace itself.
  if (auto hook = onEndEdit) hook(pic, ecReadOnly);
  return S_OK;
}

HRESULT TextClient::OnLayoutChange(ITfContext* pic, TfLayoutCode lcode, ITfContextView* pView) {
  log.push_back("OnLayoutChange " + std::to_string(lcode));
  noticeContexts.push_back(pic);
  if (auto hook = onLayoutChange) hook(pic, lcode, pView);
  return S_OK;
}

HRESULT TextClient::OnCompositionTerminated(TfEditCookie ecWrite, ITfComposition* pComposition) {
  log.push_back("OnCompositionTerminated");
  if (auto hook = onTerminated) hook(ecWrite, pComposition);
  return S_OK;
}

void TextClient::Advise(ITfContext* context) {
  ITfSource* source = nullptr;
  if (FAILED(context->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source)))) return;
  for (const IID* iid : {&IID_ITfTextEditSink, &IID_ITfTextLayoutSink}) {
    DWORD cookie = TF_INVALID_COOKIE;
    if (SUCCEEDED(source->AdviseSink(*iid, static_cast<ITfTextEditSink*>(this), &cookie))) {
      advised_.push_back(Advised{context, cookie});
    }
  }
  source->Release();
}

void TextClient::Unadvise() {
  for (const Advised& a : advised_) {
    ITfSource* source = nullptr;
    if (SUCCEEDED(a.context->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(&source)))) {
      source->UnadviseSink(a.cookie);
      source->Release();
    }
  }
  advised_.clear();
}

}  // namespace tsftest
