// The keystroke manager of a thread manager (ITfKeystrokeMgr), as its
// reference describes it: one key event sink per client id, the foreground
// one receiving the keys, and the preserved keys (PreservedKeyTable).
//
// A key the application offers: a preserved key is eaten by TestKeyDown
// without a call, and KeyDown calls only the owner's OnPreservedKey; any
// other key goes to the foreground sink's OnTestKeyDown and OnKeyDown (and
// the key-up pair alike), with the focused document's top context. With no
// foreground sink nothing is eaten. A sink advised as foreground is told
// OnSetFocus(TRUE). The modifiers a preserved key is matched against are
// the thread's keyboard state (GetKeyState of the side keys).
//
// Failure switches: "ITfKeystrokeMgr::AdviseKeyEventSink" (qualified by
// "IID_ITfKeyEventSink") and "ITfKeystrokeMgr::PreserveKey".
#pragma once

#include "Platform.h"
#include "msctf/AggregatedInterface.h"
#include "msctf/PreservedKeyTable.h"
#include "msctf/SinkList.h"

namespace platform {

class ThreadMgr;

class KeystrokeMgr final : public AggregatedInterface<ITfKeystrokeMgr> {
 public:
  explicit KeystrokeMgr(ThreadMgr& threadMgr);

  HRESULT STDMETHODCALLTYPE AdviseKeyEventSink(TfClientId tid, ITfKeyEventSink* pSink,
                                               BOOL fForeground) override;
  HRESULT STDMETHODCALLTYPE UnadviseKeyEventSink(TfClientId tid) override;
  HRESULT STDMETHODCALLTYPE GetForeground(CLSID* pclsid) override;
  HRESULT STDMETHODCALLTYPE TestKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE TestKeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE KeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE KeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  HRESULT STDMETHODCALLTYPE GetPreservedKey(ITfContext* pic, const TF_PRESERVEDKEY* pprekey,
                                            GUID* pguid) override;
  HRESULT STDMETHODCALLTYPE IsPreservedKey(REFGUID rguid, const TF_PRESERVEDKEY* pprekey,
                                           BOOL* pfRegistered) override;
  HRESULT STDMETHODCALLTYPE PreserveKey(TfClientId tid, REFGUID rguid,
                                        const TF_PRESERVEDKEY* prekey, const WCHAR* pchDesc,
                                        ULONG cchDesc) override;
  HRESULT STDMETHODCALLTYPE UnpreserveKey(REFGUID rguid, const TF_PRESERVEDKEY* pprekey) override;
  HRESULT STDMETHODCALLTYPE SetPreservedKeyDescription(REFGUID rguid, const WCHAR* pchDesc,
                                                       ULONG cchDesc) override;
  HRESULT STDMETHODCALLTYPE GetPreservedKeyDescription(REFGUID rguid, BSTR* pbstrDesc) override;
  HRESULT STDMETHODCALLTYPE SimulatePreservedKey(ITfContext* pic, REFGUID rguid,
                                                 BOOL* pfEaten) override;

  const PreservedKeyTable& preservedKeys() const { return preserved_; }
  // Whether some text service's sink would receive keys.
  bool HasForegroundSink() const;
  void Clear();

 private:
  HRESULT Offer(bool keyUp, bool test, WPARAM wParam, LPARAM lParam, BOOL* pfEaten);
  HRESULT CallPreservedKey(TfClientId owner, ITfContext* context, REFGUID guid, BOOL* pfEaten);

  ThreadMgr& threadMgr_;
  SinkList sinks_;  // keyed by client id
  TfClientId foreground_ = TF_CLIENTID_NULL;
  PreservedKeyTable preserved_;
};

}  // namespace platform
