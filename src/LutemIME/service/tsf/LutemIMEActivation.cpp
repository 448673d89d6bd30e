// Activation and deactivation of the text service.
#include <new>

#include "service/candidate/ThemeManager.h"
#include "service/engine/CCompositionProcessorEngine.h"
#include "service/module/TextServiceGuids.h"
#include "service/settings/SettingsSync.h"
#include "service/tsf/CSearchCandidateProvider.h"
#include "service/tsf/LutemIME.h"

namespace {

template <typename Interface>
Interface* Query(IUnknown* object, REFIID riid) {
  Interface* found = nullptr;
  if (object == nullptr ||
      FAILED(object->QueryInterface(riid, reinterpret_cast<void**>(&found))))
    return nullptr;
  return found;
}

}  // namespace

void LutemIME::LoadSettings() {
  try {
    ::LoadSettings();
  } catch (...) {
    // No memory for the reply: whatever was set stands.
  }
}

STDMETHODIMP LutemIME::Activate(ITfThreadMgr* ptim, TfClientId tid) { return ActivateEx(ptim, tid, 0); }

STDMETHODIMP LutemIME::ActivateEx(ITfThreadMgr* ptim, TfClientId tid, DWORD dwFlags) {
  LoadSettings();
  // The theme read now is newer than any announced before.
  themeAnnouncementSeen = LatestThemeAnnouncement();
  try {
    LoadTheme(themeColors);
  } catch (...) {
    themeColors = ThemeColors();
  }

  if (ptim != nullptr) ptim->AddRef();
  if (threadMgr != nullptr) threadMgr->Release();
  threadMgr = ptim;
  clientId = tid;
  activateFlags = dwFlags;

  if (threadMgr == nullptr || !AdviseThreadMgrSinks() || !RegisterDisplayAttributeGuids() ||
      !OfferFunctionProvider() || !CreateCompositionEngine()) {
    Deactivate();
    return E_FAIL;
  }
  return S_OK;
}

BOOL LutemIME::AdviseThreadMgrSinks() {
  ITfSource* source = Query<ITfSource>(threadMgr, IID_ITfSource);
  if (source == nullptr) return FALSE;
  HRESULT hr = source->AdviseSink(IID_ITfThreadMgrEventSink,
                                  static_cast<ITfThreadMgrEventSink*>(this),
                                  &threadMgrEventSinkCookie);
  source->Release();
  if (FAILED(hr)) {
    threadMgrEventSinkCookie = TF_INVALID_COOKIE;
    return FALSE;
  }

  ITfDocumentMgr* focused = nullptr;
  if (SUCCEEDED(threadMgr->GetFocus(&focused)) && focused != nullptr) {
    AttachTextEditSink(focused);
    focused->Release();
  }

  ITfKeystrokeMgr* keystrokes = Query<ITfKeystrokeMgr>(threadMgr, IID_ITfKeystrokeMgr);
  if (keystrokes == nullptr) return FALSE;
  hr = keystrokes->AdviseKeyEventSink(clientId, static_cast<ITfKeyEventSink*>(this), TRUE);
  keystrokes->Release();
  if (hr != S_OK) return FALSE;

  source = Query<ITfSource>(threadMgr, IID_ITfSource);
  if (source == nullptr) return FALSE;
  hr = source->AdviseSink(IID_ITfActiveLanguageProfileNotifySink,
                          static_cast<ITfActiveLanguageProfileNotifySink*>(this),
                          &profileNotifySinkCookie);
  if (hr != S_OK) profileNotifySinkCookie = TF_INVALID_COOKIE;
  if (hr == S_OK) {
    hr = source->AdviseSink(IID_ITfThreadFocusSink, static_cast<ITfThreadFocusSink*>(this),
                            &threadFocusSinkCookie);
    if (FAILED(hr)) threadFocusSinkCookie = TF_INVALID_COOKIE;
  }
  source->Release();
  return SUCCEEDED(hr) ? TRUE : FALSE;
}

BOOL LutemIME::RegisterDisplayAttributeGuids() {
  ITfCategoryMgr* categories = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TF_CategoryMgr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ITfCategoryMgr, reinterpret_cast<void**>(&categories))) ||
      categories == nullptr)
    return FALSE;
  HRESULT hr = categories->RegisterGUID(GUID_DisplayAttributeInput, &inputAttributeAtom);
  if (SUCCEEDED(hr))
    hr = categories->RegisterGUID(GUID_DisplayAttributeConverted, &convertedAttributeAtom);
  categories->Release();
  return hr == S_OK ? TRUE : FALSE;
}

BOOL LutemIME::OfferFunctionProvider() {
  ITfSourceSingle* source = Query<ITfSourceSingle>(threadMgr, IID_ITfSourceSingle);
  if (source == nullptr) return FALSE;
  // TSF takes its own reference on the provider it keeps; this object keeps
  // none on itself, or it could never be released.
  HRESULT hr = source->AdviseSingleSink(clientId, IID_ITfFunctionProvider,
                                        static_cast<ITfTextInputProcessorEx*>(this));
  source->Release();
  if (FAILED(hr)) return FALSE;
  CSearchCandidateProvider* provider = nullptr;
  if (FAILED(CSearchCandidateProvider::CreateInstance(this, &provider))) return FALSE;
  ReleaseSearchCandidateProvider();
  searchCandidateProvider = provider;
  return TRUE;
}

STDMETHODIMP LutemIME::Deactivate() {
  // The close is asked for while the engine still exists, so a session that
  // runs at once finds it; one that runs later finds no engine.
  if (compositionContext != nullptr) {
    ITfContext* context = compositionContext;
    context->AddRef();
    RequestCloseComposition(context);
    context->Release();
  }
  delete engine;
  engine = nullptr;
  if (presenter != nullptr) {
    DeletePresenter();
    candidateMode = 0;
  }

  UnadviseThreadMgrSinks();
  AttachTextEditSink(nullptr);

  if (threadMgr != nullptr) {
    threadMgr->Release();
    threadMgr = nullptr;
  }
  clientId = TF_CLIENTID_NULL;
  if (lastFocusedDocumentMgr != nullptr) {
    lastFocusedDocumentMgr->Release();
    lastFocusedDocumentMgr = nullptr;
  }
  return S_OK;
}

void LutemIME::UnadviseThreadMgrSinks() {
  if (threadMgr == nullptr) return;
  if (ITfSourceSingle* single = Query<ITfSourceSingle>(threadMgr, IID_ITfSourceSingle)) {
    single->UnadviseSingleSink(clientId, IID_ITfFunctionProvider);
    single->Release();
  }
  ITfSource* source = Query<ITfSource>(threadMgr, IID_ITfSource);
  if (source != nullptr) {
    // The unadvises of steps never reached simply fail.
    source->UnadviseSink(threadFocusSinkCookie);
    threadFocusSinkCookie = TF_INVALID_COOKIE;
    if (profileNotifySinkCookie != TF_INVALID_COOKIE) {
      source->UnadviseSink(profileNotifySinkCookie);
      profileNotifySinkCookie = TF_INVALID_COOKIE;
    }
  }
  if (ITfKeystrokeMgr* keystrokes = Query<ITfKeystrokeMgr>(threadMgr, IID_ITfKeystrokeMgr)) {
    keystrokes->UnadviseKeyEventSink(clientId);
    keystrokes->Release();
  }
  if (source != nullptr) {
    if (threadMgrEventSinkCookie != TF_INVALID_COOKIE) {
      source->UnadviseSink(threadMgrEventSinkCookie);
      threadMgrEventSinkCookie = TF_INVALID_COOKIE;
    }
    source->Release();
  }
}
