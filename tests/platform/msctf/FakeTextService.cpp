#include "FakeTextService.h"

#include <cstdio>

namespace tsftest {

const CLSID kFakeServiceClsid = {
    0x4c0a1d22, 0x6b3e, 0x4e51, {0x9a, 0x10, 0x2f, 0x7d, 0x61, 0x05, 0xe4, 0x01}};
const GUID kFakeHotkeyGuid = {
    0x4c0a1d22, 0x6b3e, 0x4e51, {0x9a, 0x10, 0x2f, 0x7d, 0x61, 0x05, 0xe4, 0x02}};

namespace {

const TF_PRESERVEDKEY kCtrlSpace = {VK_SPACE, TF_MOD_CONTROL};

template <class I>
HRESULT QuerySource(ITfThreadMgr* threadMgr, I** out) {
  return threadMgr->QueryInterface(IID_ITfSource, reinterpret_cast<void**>(out));
}

}  // namespace

FakeTextService::FakeTextService() = default;
FakeTextService::~FakeTextService() = default;

HRESULT FakeTextService::QueryInterface(REFIID riid, void** object) {
  if (object == nullptr) return E_INVALIDARG;
  *object = nullptr;
  if (IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfTextInputProcessor) ||
      IsEqualGUID(riid, IID_ITfTextInputProcessorEx)) {
    *object = static_cast<ITfTextInputProcessorEx*>(this);
  } else if (IsEqualGUID(riid, IID_ITfThreadMgrEventSink)) {
    *object = static_cast<ITfThreadMgrEventSink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfKeyEventSink)) {
    *object = static_cast<ITfKeyEventSink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfThreadFocusSink)) {
    *object = static_cast<ITfThreadFocusSink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfActiveLanguageProfileNotifySink)) {
    *object = static_cast<ITfActiveLanguageProfileNotifySink*>(this);
  } else if (IsEqualGUID(riid, IID_ITfFunctionProvider)) {
    *object = static_cast<ITfFunctionProvider*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG FakeTextService::AddRef() { return ++refs_; }

ULONG FakeTextService::Release() {
  ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT FakeTextService::Activate(ITfThreadMgr* ptim, TfClientId tid) {
  return ActivateEx(ptim, tid, 0);
}

HRESULT FakeTextService::ActivateEx(ITfThreadMgr* ptim, TfClientId tid, DWORD dwFlags) {
  log.push_back("ActivateEx");
  threadMgr = ptim;
  threadMgr->AddRef();
  clientId = tid;
  auto fail = [&](int step) {
    if (failAtStep != step) return false;
    Undo();
    return true;
  };
  ITfSource* source = nullptr;
  if (FAILED(QuerySource(ptim, &source))) return E_FAIL;
  HRESULT hr = source->AdviseSink(IID_ITfThreadMgrEventSink,
                                  static_cast<ITfThreadMgrEventSink*>(this), &threadMgrSinkCookie_);
  if (FAILED(hr) || fail(kThreadMgrSink)) {
    source->Release();
    Undo();
    return E_FAIL;
  }
  ITfKeystrokeMgr* keystrokes = nullptr;
  ptim->QueryInterface(IID_ITfKeystrokeMgr, reinterpret_cast<void**>(&keystrokes));
  hr = keystrokes->AdviseKeyEventSink(tid, static_cast<ITfKeyEventSink*>(this), TRUE);
  if (FAILED(hr) || fail(kKeySink)) {
    keystrokes->Release();
    source->Release();
    Undo();
    return E_FAIL;
  }
  source->AdviseSink(IID_ITfThreadFocusSink, static_cast<ITfThreadFocusSink*>(this),
                     &focusSinkCookie_);
  if (fail(kFocusSink)) {
    keystrokes->Release();
    source->Release();
    return E_FAIL;
  }
  source->AdviseSink(IID_ITfActiveLanguageProfileNotifySink,
                     static_cast<ITfActiveLanguageProfileNotifySink*>(this), &profileSinkCookie_);
  source->Release();
  if (fail(kProfileSink)) {
    keystrokes->Release();
    return E_FAIL;
  }
  ITfSourceSingle* single = nullptr;
  ptim->QueryInterface(IID_ITfSourceSingle, reinterpret_cast<void**>(&single));
  single->AdviseSingleSink(tid, IID_ITfFunctionProvider, static_cast<ITfFunctionProvider*>(this));
  single->Release();
  if (fail(kFunctionProvider)) {
    keystrokes->Release();
    return E_FAIL;
  }
  if (preservesHotkey) {
    const WCHAR description[] = {'O', 'n', '/', 'O', 'f', 'f'};
    keystrokes->PreserveKey(tid, kFakeHotkeyGuid, &kCtrlSpace, description, 6);
  }
  keystrokes->Release();
  if (fail(kHotkey)) return E_FAIL;
  return S_OK;
}

HRESULT FakeTextService::Deactivate() {
  log.push_back("Deactivate");
  Undo();
  return S_OK;
}

void FakeTextService::Undo() {
  if (threadMgr == nullptr) return;
  ITfKeystrokeMgr* keystrokes = nullptr;
  if (SUCCEEDED(threadMgr->QueryInterface(IID_ITfKeystrokeMgr,
                                          reinterpret_cast<void**>(&keystrokes)))) {
    keystrokes->UnpreserveKey(kFakeHotkeyGuid, &kCtrlSpace);
    keystrokes->UnadviseKeyEventSink(clientId);
    keystrokes->Release();
  }
  ITfSourceSingle* single = nullptr;
  if (SUCCEEDED(threadMgr->QueryInterface(IID_ITfSourceSingle,
                                          reinterpret_cast<void**>(&single)))) {
    single->UnadviseSingleSink(clientId, IID_ITfFunctionProvider);
    single->Release();
  }
  ITfSource* source = nullptr;
  if (SUCCEEDED(QuerySource(threadMgr, &source))) {
    for (DWORD* cookie : {&threadMgrSinkCookie_, &focusSinkCookie_, &profileSinkCookie_}) {
      if (*cookie != TF_INVALID_COOKIE) source->UnadviseSink(*cookie);
      *cookie = TF_INVALID_COOKIE;
    }
    source->Release();
  }
  threadMgr->Release();
  threadMgr = nullptr;
  clientId = TF_CLIENTID_NULL;
}

std::string FakeTextService::Key(const char* what, WPARAM wParam) {
  char text[64];
  std::snprintf(text, sizeof text, "%s %02X", what, static_cast<unsigned>(wParam & 0xFF));
  return text;
}

HRESULT FakeTextService::OnInitDocumentMgr(ITfDocumentMgr* pdim) {
  log.push_back("OnInitDocumentMgr");
  return S_OK;
}

HRESULT FakeTextService::OnUninitDocumentMgr(ITfDocumentMgr* pdim) {
  log.push_back("OnUninitDocumentMgr");
  return S_OK;
}

HRESULT FakeTextService::OnSetFocus(ITfDocumentMgr* pdimFocus, ITfDocumentMgr* pdimPrevFocus) {
  log.push_back(std::string("OnSetFocus ") + (pdimFocus ? "doc" : "null") + " " +
                (pdimPrevFocus ? "doc" : "null"));
  return S_OK;
}

HRESULT FakeTextService::OnPushContext(ITfContext* pic) {
  log.push_back("OnPushContext");
  return S_OK;
}

HRESULT FakeTextService::OnPopContext(ITfContext* pic) {
  log.push_back("OnPopContext");
  return S_OK;
}

HRESULT FakeTextService::OnSetFocus(BOOL fForeground) {
  log.push_back(fForeground ? "KeySinkFocus TRUE" : "KeySinkFocus FALSE");
  return S_OK;
}

HRESULT FakeTextService::OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                       BOOL* pfEaten) {
  log.push_back(Key("OnTestKeyDown", wParam));
  *pfEaten = eats.count(LOWORD(wParam)) ? TRUE : FALSE;
  return S_OK;
}

HRESULT FakeTextService::OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                     BOOL* pfEaten) {
  log.push_back(Key("OnTestKeyUp", wParam));
  *pfEaten = FALSE;
  return S_OK;
}

HRESULT FakeTextService::OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                   BOOL* pfEaten) {
  log.push_back(Key("OnKeyDown", wParam));
  *pfEaten = eats.count(LOWORD(wParam)) ? TRUE : FALSE;
  if (*pfEaten && replaysKey != 0) {
    INPUT inputs[2] = {};
    inputs[0].type = INPUT_KEYBOARD;
    inputs[0].ki.wVk = replaysKey;
    inputs[1] = inputs[0];
    inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
    log.push_back("SendInput returned");
  }
  return S_OK;
}

HRESULT FakeTextService::OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  log.push_back(Key("OnKeyUp", wParam));
  *pfEaten = FALSE;
  return S_OK;
}

HRESULT FakeTextService::OnPreservedKey(ITfContext* pic, REFGUID rguid, BOOL* pfEaten) {
  log.push_back(IsEqualGUID(rguid, kFakeHotkeyGuid) ? "OnPreservedKey hotkey"
                                                    : "OnPreservedKey other");
  *pfEaten = TRUE;
  return S_OK;
}

HRESULT FakeTextService::OnSetThreadFocus() {
  log.push_back("OnSetThreadFocus");
  return S_OK;
}

HRESULT FakeTextService::OnKillThreadFocus() {
  log.push_back("OnKillThreadFocus");
  return S_OK;
}

HRESULT FakeTextService::OnActivated(REFCLSID clsid, REFGUID guidProfile, BOOL fActivated) {
  log.push_back(fActivated ? "OnActivated TRUE" : "OnActivated FALSE");
  return S_OK;
}

HRESULT FakeTextService::GetType(GUID* pguid) {
  *pguid = kFakeServiceClsid;
  return S_OK;
}

HRESULT FakeTextService::GetDescription(BSTR* pbstrDesc) {
  *pbstrDesc = nullptr;
  return E_NOTIMPL;
}

HRESULT FakeTextService::GetFunction(REFGUID rguid, REFIID riid, IUnknown** ppunk) {
  *ppunk = nullptr;
  return E_NOINTERFACE;
}

}  // namespace tsftest
