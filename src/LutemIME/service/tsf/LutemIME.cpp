#include "service/tsf/LutemIME.h"

#include <new>

#include "service/engine/CCompositionProcessorEngine.h"
#include "service/module/DllObjectCount.h"
#include "service/tsf/CSearchCandidateProvider.h"
#include "service/tsf/GdiplusInstance.h"

LutemIME::LutemIME()
    : themeColors(),
      threadMgr(nullptr),
      clientId(TF_CLIENTID_NULL),
      activateFlags(0),
      threadMgrEventSinkCookie(TF_INVALID_COOKIE),
      textEditSinkContext(nullptr),
      textEditSinkCookie(TF_INVALID_COOKIE),
      profileNotifySinkCookie(TF_INVALID_COOKIE),
      threadFocusSinkCookie(TF_INVALID_COOKIE),
      engine(nullptr),
      composition(nullptr),
      inputAttributeAtom(TF_INVALID_GUIDATOM),
      convertedAttributeAtom(TF_INVALID_GUIDATOM),
      candidateMode(0),
      presenter(nullptr),
      lastFocusedDocumentMgr(nullptr),
      compositionContext(nullptr),
      refCount(1),
      searchCandidateProvider(nullptr),
      waitingKeySessions(0),
      heldKeys(0),
      themeAnnouncementSeen(0),
      testedWParam(0),
      testedLParam(0),
      testedReturning(SentKeys::Returning::No),
      testedValid(false),
      testedHeld(false) {
  DllAddRef();
}

LutemIME::~LutemIME() {
  // TSF deactivates before it lets go; a host that does not must not leak
  // the engine and its dictionary thread.
  delete engine;
  // A composition whose close never ran (its context went first).
  if (composition != nullptr) composition->Release();
  if (compositionContext != nullptr) compositionContext->Release();
}

HRESULT LutemIME::CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (pUnkOuter != nullptr) return CLASS_E_NOAGGREGATION;
  LutemIME* service = new (std::nothrow) LutemIME;
  if (service == nullptr) return E_OUTOFMEMORY;
  GdiplusInstance::Acquire();
  HRESULT hr = service->QueryInterface(riid, ppvObject);
  service->Release();
  return hr;
}

STDMETHODIMP LutemIME::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ITfTextInputProcessor) ||
      IsEqualIID(riid, IID_ITfTextInputProcessorEx)) {
    *ppvObject = static_cast<ITfTextInputProcessorEx*>(this);
  } else if (IsEqualIID(riid, IID_ITfThreadMgrEventSink)) {
    *ppvObject = static_cast<ITfThreadMgrEventSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfTextEditSink)) {
    *ppvObject = static_cast<ITfTextEditSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfKeyEventSink)) {
    *ppvObject = static_cast<ITfKeyEventSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfCompositionSink)) {
    *ppvObject = static_cast<ITfCompositionSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfDisplayAttributeProvider)) {
    *ppvObject = static_cast<ITfDisplayAttributeProvider*>(this);
  } else if (IsEqualIID(riid, IID_ITfActiveLanguageProfileNotifySink)) {
    *ppvObject = static_cast<ITfActiveLanguageProfileNotifySink*>(this);
  } else if (IsEqualIID(riid, IID_ITfThreadFocusSink)) {
    *ppvObject = static_cast<ITfThreadFocusSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfFunctionProvider)) {
    *ppvObject = static_cast<ITfFunctionProvider*>(this);
  } else {
    // ITfFunction among them: the object is no function, and a caller must
    // never reach one through another interface's table.
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) LutemIME::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) LutemIME::Release() {
  ULONG left = --refCount;
  if (left == 0) {
    DeletePresenter();
    ReleaseSearchCandidateProvider();
    GdiplusInstance::Release();
    delete this;
    ReleaseModule();  // last: the module's code must not run after it
  }
  return left;
}

void LutemIME::ReleaseSearchCandidateProvider() {
  if (searchCandidateProvider == nullptr) return;
  // A search box may keep the provider after this object is gone.
  searchCandidateProvider->ForgetTextService();
  searchCandidateProvider->Release();
  searchCandidateProvider = nullptr;
}
