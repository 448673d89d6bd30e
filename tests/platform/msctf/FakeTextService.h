// A small text service for the host's own tests (not the product): it
// advises what a keyboard text service advises at activation, keeps a log
// of every event it receives, eats the keys it is told to, and undoes
// everything at deactivation. failAtStep makes ActivateEx stop at that step
// after undoing what it did, as a careful service does.
#pragma once

#include <atomic>
#include <set>
#include <string>
#include <vector>

#include "Platform.h"

namespace tsftest {

extern const CLSID kFakeServiceClsid;
extern const GUID kFakeHotkeyGuid;

class FakeTextService final : public ITfTextInputProcessorEx,
                              public ITfThreadMgrEventSink,
                              public ITfKeyEventSink,
                              public ITfThreadFocusSink,
                              public ITfActiveLanguageProfileNotifySink,
                              public ITfFunctionProvider {
 public:
  enum Step { kThreadMgrSink = 1, kKeySink, kFocusSink, kProfileSink, kFunctionProvider, kHotkey };

  FakeTextService();

  // IUnknown (one for all interfaces)
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  // ITfTextInputProcessorEx
  HRESULT STDMETHODCALLTYPE Activate(ITfThreadMgr* ptim, TfClientId tid) override;
  HRESULT STDMETHODCALLTYPE Deactivate() override;
  HRESULT STDMETHODCALLTYPE ActivateEx(ITfThreadMgr* ptim, TfClientId tid, DWORD dwFlags) override;
  // ITfThreadMgrEventSink
  HRESULT STDMETHODCALLTYPE OnInitDocumentMgr(ITfDocumentMgr* pdim) override;
  HRESULT STDMETHODCALLTYPE OnUninitDocumentMgr(ITfDocumentMgr* pdim) override;
  HRESULT STDMETHODCALLTYPE OnSetFocus(ITfDocumentMgr* pdimFocus,
                                       ITfDocumentMgr* pdimPrevFocus) override;
  HRESULT STDMETHODCALLTYPE OnPushContext(ITfContext* pic) override;
  HRESULT STDMETHODCALLTYPE OnPopContext(ITfContext* pic) override;
  // ITfKeyEventSink
  HRESULT STDMETHODCALLTYPE OnSetFocus(BOOL fForeground) override;
  HRESULT STDMETHODCALLTYPE OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                          BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                        BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                      BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                                    BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE OnPreservedKey(ITfContext* pic, REFGUID rguid, BOOL* pfEaten) override;
  // ITfThreadFocusSink
  HRESULT STDMETHODCALLTYPE OnSetThreadFocus() override;
  HRESULT STDMETHODCALLTYPE OnKillThreadFocus() override;
  // ITfActiveLanguageProfileNotifySink
  HRESULT STDMETHODCALLTYPE OnActivated(REFCLSID clsid, REFGUID guidProfile,
                                        BOOL fActivated) override;
  // ITfFunctionProvider
  HRESULT STDMETHODCALLTYPE GetType(GUID* pguid) override;
  HRESULT STDMETHODCALLTYPE GetDescription(BSTR* pbstrDesc) override;
  HRESULT STDMETHODCALLTYPE GetFunction(REFGUID rguid, REFIID riid, IUnknown** ppunk) override;

  int failAtStep = 0;
  // Virtual keys whose key-down the service eats.
  std::set<UINT> eats;
  // Preserves Ctrl+Space at activation (kHotkey).
  bool preservesHotkey = true;
  // Sends this key with SendInput from inside OnKeyDown of the key in eats
  // (0: none).
  WORD replaysKey = 0;
  std::vector<std::string> log;
  TfClientId clientId = TF_CLIENTID_NULL;
  ITfThreadMgr* threadMgr = nullptr;
  ULONG refs() const { return refs_; }

 private:
  ~FakeTextService();
  void Undo();
  static std::string Key(const char* what, WPARAM wParam);

  std::atomic<ULONG> refs_{1};
  DWORD threadMgrSinkCookie_ = TF_INVALID_COOKIE;
  DWORD focusSinkCookie_ = TF_INVALID_COOKIE;
  DWORD profileSinkCookie_ = TF_INVALID_COOKIE;
};

// Keeps the test's own reference and drops it at the end of the scope.
struct ServiceRef {
  FakeTextService* service = new FakeTextService;
  ~ServiceRef() { service->Release(); }
  FakeTextService* operator->() const { return service; }
};

}  // namespace tsftest
