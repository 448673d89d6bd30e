#include "msctf/ThreadMgr.h"

#include <algorithm>

#include "common/FailureSwitch.h"
#include "msctf/Context.h"
#include "msctf/DocumentMgr.h"
#include "msctf/GuidNames.h"
#include "ole32/BuiltInClasses.h"

namespace platform {
namespace {

thread_local ThreadMgr* currentThreadMgr = nullptr;

[[maybe_unused]] const bool registered = [] {
  RegisterBuiltInClass(CLSID_TF_ThreadMgr, "CLSID_TF_ThreadMgr", &ThreadMgr::CreateInstance);
  return true;
}();

}  // namespace

TfClientId NextClientId() {
  static std::atomic<TfClientId> next{1};
  return next++;
}

ThreadMgr::ThreadMgr()
    : sinks_("ITfThreadMgr", {IID_ITfThreadMgrEventSink, IID_ITfActiveLanguageProfileNotifySink,
                              IID_ITfThreadFocusSink}),
      singleSinks_("ITfSourceSingle", {IID_ITfFunctionProvider}),
      keystrokes_(*this),
      compartments_(*static_cast<ITfThreadMgr*>(this), "ITfThreadMgr"),
      languageBar_(*static_cast<ITfThreadMgr*>(this)),
      uiElements_(*static_cast<ITfThreadMgr*>(this)) {
  currentThreadMgr = this;
}

ThreadMgr::~ThreadMgr() {
  if (currentThreadMgr == this) currentThreadMgr = nullptr;
  services_.clear();
  focus_.Reset();
  for (DocumentMgr* documentMgr : documents_) documentMgr->ForgetThreadMgr();
  uiElements_.Clear();
  languageBar_.Clear();
  keystrokes_.Clear();
  compartments_.Clear();
  singleSinks_.Clear();
  sinks_.Clear();
}

ThreadMgr* ThreadMgr::Current() { return currentThreadMgr; }

HRESULT ThreadMgr::CreateInstance(IUnknown* outer, REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  ComPtr<ThreadMgr> threadMgr(currentThreadMgr);
  if (!threadMgr) threadMgr = ComPtr<ThreadMgr>::Adopt(new ThreadMgr);
  return threadMgr->QueryInterface(riid, object);
}

HRESULT ThreadMgr::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (ShouldFail("ITfThreadMgr::QueryInterface", GuidName(riid))) return E_NOINTERFACE;
  void* found = nullptr;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfThreadMgr)) {
    found = static_cast<ITfThreadMgr*>(this);
  } else if (IsEqualGUID(riid, IID_ITfSource)) {
    found = static_cast<ITfSource*>(this);
  } else if (IsEqualGUID(riid, IID_ITfSourceSingle)) {
    found = static_cast<ITfSourceSingle*>(this);
  } else if (IsEqualGUID(riid, IID_ITfKeystrokeMgr)) {
    found = static_cast<ITfKeystrokeMgr*>(&keystrokes_);
  } else if (IsEqualGUID(riid, IID_ITfCompartmentMgr)) {
    found = static_cast<ITfCompartmentMgr*>(&compartments_);
  } else if (IsEqualGUID(riid, IID_ITfLangBarItemMgr)) {
    found = static_cast<ITfLangBarItemMgr*>(&languageBar_);
  } else if (IsEqualGUID(riid, IID_ITfUIElementMgr)) {
    found = static_cast<ITfUIElementMgr*>(&uiElements_);
  }
  return Answer(found, object);
}

HRESULT ThreadMgr::Activate(TfClientId* ptid) {
  if (ptid == nullptr) return E_INVALIDARG;
  if (activations_++ == 0) applicationClientId_ = NextClientId();
  *ptid = applicationClientId_;
  return S_OK;
}

HRESULT ThreadMgr::Deactivate() {
  if (activations_ == 0) return E_UNEXPECTED;
  if (--activations_ > 0) return S_OK;
  ComPtr<ITfThreadMgr> keep(this);
  while (!services_.empty()) DeactivateTextService(services_.back().clsid);
  ChangeFocus(nullptr);
  applicationClientId_ = TF_CLIENTID_NULL;
  return S_OK;
}

HRESULT ThreadMgr::CreateDocumentMgr(ITfDocumentMgr** ppdim) {
  if (ppdim == nullptr) return E_INVALIDARG;
  *ppdim = nullptr;
  if (ShouldFail("ITfThreadMgr::CreateDocumentMgr")) return E_FAIL;
  *ppdim = new DocumentMgr(this);
  return S_OK;
}

HRESULT ThreadMgr::EnumDocumentMgrs(IEnumTfDocumentMgrs** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT ThreadMgr::GetFocus(ITfDocumentMgr** ppdimFocus) {
  if (ppdimFocus == nullptr) return E_INVALIDARG;
  *ppdimFocus = nullptr;
  if (ShouldFail("ITfThreadMgr::GetFocus")) return E_FAIL;
  HandOut(static_cast<ITfDocumentMgr*>(focus_.get()), ppdimFocus);
  return S_OK;
}

HRESULT ThreadMgr::SetFocus(ITfDocumentMgr* pdimFocus) {
  DocumentMgr* documentMgr = DocumentMgr::From(pdimFocus);
  if (documentMgr == nullptr || documentMgr->threadMgr() != this) return E_INVALIDARG;
  ChangeFocus(documentMgr);
  return S_OK;
}

HRESULT ThreadMgr::AssociateFocus(HWND hwnd, ITfDocumentMgr* pdimNew,
                                  ITfDocumentMgr** ppdimPrev) {
  if (ppdimPrev) *ppdimPrev = nullptr;
  return E_NOTIMPL;
}

HRESULT ThreadMgr::IsThreadFocus(BOOL* pfThreadFocus) {
  if (pfThreadFocus == nullptr) return E_INVALIDARG;
  *pfThreadFocus = threadFocus_ ? TRUE : FALSE;
  return S_OK;
}

HRESULT ThreadMgr::GetFunctionProvider(REFCLSID clsid, ITfFunctionProvider** ppFuncProv) {
  if (ppFuncProv == nullptr) return E_INVALIDARG;
  *ppFuncProv = nullptr;
  TfClientId clientId = ClientIdOf(clsid);
  ComPtr<IUnknown> provider = singleSinks_.Keyed(clientId, IID_ITfFunctionProvider);
  if (clientId == TF_CLIENTID_NULL || !provider) return TF_E_NOPROVIDER;
  HandOut(static_cast<ITfFunctionProvider*>(provider.get()), ppFuncProv);
  return S_OK;
}

HRESULT ThreadMgr::EnumFunctionProviders(IEnumTfFunctionProviders** ppEnum) {
  if (ppEnum) *ppEnum = nullptr;
  return E_NOTIMPL;
}

HRESULT ThreadMgr::GetGlobalCompartment(ITfCompartmentMgr** ppCompMgr) {
  if (ppCompMgr) *ppCompMgr = nullptr;
  return E_NOTIMPL;
}

HRESULT ThreadMgr::AdviseSink(REFIID riid, IUnknown* punk, DWORD* pdwCookie) {
  return sinks_.Advise(riid, punk, pdwCookie);
}

HRESULT ThreadMgr::UnadviseSink(DWORD dwCookie) { return sinks_.Unadvise(dwCookie); }

HRESULT ThreadMgr::AdviseSingleSink(TfClientId tid, REFIID riid, IUnknown* punk) {
  return singleSinks_.AdviseKeyed(tid, riid, punk, "ITfSourceSingle::AdviseSingleSink");
}

HRESULT ThreadMgr::UnadviseSingleSink(TfClientId tid, REFIID riid) {
  return singleSinks_.UnadviseKeyed(tid, riid);
}

void ThreadMgr::ChangeFocus(DocumentMgr* documentMgr) {
  if (focus_.get() == documentMgr) return;
  ComPtr<ITfThreadMgr> keep(this);
  ComPtr<DocumentMgr> previous = focus_;
  focus_ = ComPtr<DocumentMgr>(documentMgr);
  sinks_.Notify<ITfThreadMgrEventSink>(IID_ITfThreadMgrEventSink, [&](ITfThreadMgrEventSink* sink) {
    sink->OnSetFocus(documentMgr, previous.get());
  });
}

Context* ThreadMgr::FocusedContext() const { return focus_ ? focus_->Top() : nullptr; }

void ThreadMgr::ChangeThreadFocus(bool focused) {
  if (threadFocus_ == focused) return;
  threadFocus_ = focused;
  ComPtr<ITfThreadMgr> keep(this);
  sinks_.Notify<ITfThreadFocusSink>(IID_ITfThreadFocusSink, [&](ITfThreadFocusSink* sink) {
    if (focused) {
      sink->OnSetThreadFocus();
    } else {
      sink->OnKillThreadFocus();
    }
  });
}

HRESULT ThreadMgr::ActivateTextService(REFCLSID clsid, ITfTextInputProcessorEx* service,
                                       DWORD flags, TfClientId* clientId) {
  if (service == nullptr) return E_INVALIDARG;
  if (TfClientId active = ClientIdOf(clsid)) {
    if (clientId) *clientId = active;
    return S_FALSE;
  }
  ComPtr<ITfThreadMgr> keep(this);
  TfClientId fresh = NextClientId();
  // Known before ActivateEx runs: the service may ask who is foreground.
  services_.push_back(TextService{clsid, fresh, ComPtr<ITfTextInputProcessorEx>(service)});
  HRESULT hr = service->ActivateEx(this, fresh, flags);
  if (FAILED(hr)) {
    services_.erase(std::find_if(services_.begin(), services_.end(),
                                 [&](const TextService& s) { return s.clientId == fresh; }));
    return hr;
  }
  if (clientId) *clientId = fresh;
  return S_OK;
}

HRESULT ThreadMgr::DeactivateTextService(REFCLSID clsid) {
  auto found = std::find_if(services_.begin(), services_.end(),
                            [&](const TextService& s) { return IsEqualGUID(s.clsid, clsid); });
  if (found == services_.end()) return E_INVALIDARG;
  ComPtr<ITfTextInputProcessorEx> service = found->service;
  TfClientId clientId = found->clientId;
  service->Deactivate();
  services_.erase(std::find_if(services_.begin(), services_.end(),
                               [&](const TextService& s) { return s.clientId == clientId; }));
  return S_OK;
}

TfClientId ThreadMgr::ClientIdOf(REFCLSID clsid) const {
  for (const TextService& s : services_) {
    if (IsEqualGUID(s.clsid, clsid)) return s.clientId;
  }
  return TF_CLIENTID_NULL;
}

bool ThreadMgr::ClassOf(TfClientId clientId, CLSID* clsid) const {
  for (const TextService& s : services_) {
    if (s.clientId == clientId) {
      *clsid = s.clsid;
      return true;
    }
  }
  return false;
}

void ThreadMgr::NotifyProfileActivated(REFCLSID clsid, REFGUID profile, BOOL activated) {
  ComPtr<ITfThreadMgr> keep(this);
  sinks_.Notify<ITfActiveLanguageProfileNotifySink>(
      IID_ITfActiveLanguageProfileNotifySink,
      [&](ITfActiveLanguageProfileNotifySink* sink) { sink->OnActivated(clsid, profile, activated); });
}

void ThreadMgr::AddDocumentMgr(DocumentMgr* documentMgr) { documents_.push_back(documentMgr); }

void ThreadMgr::ForgetDocumentMgr(DocumentMgr* documentMgr) {
  documents_.erase(std::remove(documents_.begin(), documents_.end(), documentMgr),
                   documents_.end());
}

}  // namespace platform
