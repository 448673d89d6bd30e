#include "msctf/KeystrokeMgr.h"

#include "common/FailureSwitch.h"
#include "msctf/Context.h"
#include "msctf/ThreadMgr.h"

namespace platform {
namespace {

// The TF_MOD_L*/TF_MOD_R* bits of the modifiers that are down.
UINT ModifierSides() {
  struct Side {
    int vk;
    UINT bit;
  };
  const Side sides[] = {
      {VK_LMENU, TF_MOD_LALT},         {VK_RMENU, TF_MOD_RALT},
      {VK_LCONTROL, TF_MOD_LCONTROL},  {VK_RCONTROL, TF_MOD_RCONTROL},
      {VK_LSHIFT, TF_MOD_LSHIFT},      {VK_RSHIFT, TF_MOD_RSHIFT},
  };
  UINT bits = 0;
  for (const Side& side : sides) {
    if (GetKeyState(side.vk) & 0x8000) bits |= side.bit;
  }
  return bits;
}

}  // namespace

KeystrokeMgr::KeystrokeMgr(ThreadMgr& threadMgr)
    : AggregatedInterface(*static_cast<ITfThreadMgr*>(&threadMgr)),
      threadMgr_(threadMgr),
      sinks_("ITfKeystrokeMgr", {IID_ITfKeyEventSink}) {}

HRESULT KeystrokeMgr::AdviseKeyEventSink(TfClientId tid, ITfKeyEventSink* pSink,
                                         BOOL fForeground) {
  if (tid == TF_CLIENTID_NULL) return E_INVALIDARG;
  HRESULT hr = sinks_.AdviseKeyed(tid, IID_ITfKeyEventSink, pSink,
                                  "ITfKeystrokeMgr::AdviseKeyEventSink");
  if (FAILED(hr)) return hr;
  if (fForeground || foreground_ == TF_CLIENTID_NULL) {
    foreground_ = tid;
    pSink->OnSetFocus(TRUE);
  }
  return S_OK;
}

HRESULT KeystrokeMgr::UnadviseKeyEventSink(TfClientId tid) {
  HRESULT hr = sinks_.UnadviseKeyed(tid, IID_ITfKeyEventSink);
  if (SUCCEEDED(hr) && foreground_ == tid) foreground_ = TF_CLIENTID_NULL;
  return hr;
}

HRESULT KeystrokeMgr::GetForeground(CLSID* pclsid) {
  if (pclsid == nullptr) return E_INVALIDARG;
  *pclsid = GUID_NULL;
  return threadMgr_.ClassOf(foreground_, pclsid) ? S_OK : S_FALSE;
}

HRESULT KeystrokeMgr::TestKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  return Offer(false, true, wParam, lParam, pfEaten);
}

HRESULT KeystrokeMgr::TestKeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  return Offer(true, true, wParam, lParam, pfEaten);
}

HRESULT KeystrokeMgr::KeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  return Offer(false, false, wParam, lParam, pfEaten);
}

HRESULT KeystrokeMgr::KeyUp(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) {
  return Offer(true, false, wParam, lParam, pfEaten);
}

HRESULT KeystrokeMgr::Offer(bool keyUp, bool test, WPARAM wParam, LPARAM lParam,
                            BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  // Callbacks may release the thread manager; it stays for the whole offer.
  ComPtr<ITfThreadMgr> keep(&threadMgr_);
  ComPtr<ITfContext> context(threadMgr_.FocusedContext());
  if (const PreservedKeyEntry* preserved =
          preserved_.Match(LOWORD(wParam), ModifierSides(), keyUp)) {
    if (test) {
      *pfEaten = TRUE;
      return S_OK;
    }
    GUID guid = preserved->guid;
    return CallPreservedKey(preserved->clientId, context.get(), guid, pfEaten);
  }
  ComPtr<IUnknown> sink = sinks_.Keyed(foreground_, IID_ITfKeyEventSink);
  if (!sink) return S_OK;
  auto* keySink = static_cast<ITfKeyEventSink*>(sink.get());
  if (test) {
    return keyUp ? keySink->OnTestKeyUp(context.get(), wParam, lParam, pfEaten)
                 : keySink->OnTestKeyDown(context.get(), wParam, lParam, pfEaten);
  }
  return keyUp ? keySink->OnKeyUp(context.get(), wParam, lParam, pfEaten)
               : keySink->OnKeyDown(context.get(), wParam, lParam, pfEaten);
}

HRESULT KeystrokeMgr::CallPreservedKey(TfClientId owner, ITfContext* context, REFGUID guid,
                                       BOOL* pfEaten) {
  ComPtr<IUnknown> sink = sinks_.Keyed(owner, IID_ITfKeyEventSink);
  if (!sink) return S_OK;
  return static_cast<ITfKeyEventSink*>(sink.get())->OnPreservedKey(context, guid, pfEaten);
}

HRESULT KeystrokeMgr::GetPreservedKey(ITfContext* pic, const TF_PRESERVEDKEY* pprekey,
                                      GUID* pguid) {
  if (pprekey == nullptr || pguid == nullptr) return E_INVALIDARG;
  const PreservedKeyEntry* found = preserved_.FindKey(*pprekey);
  *pguid = found ? found->guid : GUID_NULL;
  return found ? S_OK : S_FALSE;
}

HRESULT KeystrokeMgr::IsPreservedKey(REFGUID rguid, const TF_PRESERVEDKEY* pprekey,
                                     BOOL* pfRegistered) {
  if (pprekey == nullptr || pfRegistered == nullptr) return E_INVALIDARG;
  const PreservedKeyEntry* found = preserved_.FindKey(*pprekey);
  *pfRegistered = found && IsEqualGUID(found->guid, rguid);
  return *pfRegistered ? S_OK : S_FALSE;
}

HRESULT KeystrokeMgr::PreserveKey(TfClientId tid, REFGUID rguid, const TF_PRESERVEDKEY* prekey,
                                  const WCHAR* pchDesc, ULONG cchDesc) {
  if (ShouldFail("ITfKeystrokeMgr::PreserveKey")) return E_FAIL;
  return preserved_.Preserve(tid, rguid, prekey, pchDesc, cchDesc);
}

HRESULT KeystrokeMgr::UnpreserveKey(REFGUID rguid, const TF_PRESERVEDKEY* pprekey) {
  return preserved_.Unpreserve(rguid, pprekey);
}

HRESULT KeystrokeMgr::SetPreservedKeyDescription(REFGUID rguid, const WCHAR* pchDesc,
                                                 ULONG cchDesc) {
  if (pchDesc == nullptr && cchDesc != 0) return E_INVALIDARG;
  return preserved_.Describe(rguid, pchDesc, cchDesc) ? S_OK : E_INVALIDARG;
}

HRESULT KeystrokeMgr::GetPreservedKeyDescription(REFGUID rguid, BSTR* pbstrDesc) {
  if (pbstrDesc == nullptr) return E_INVALIDARG;
  *pbstrDesc = nullptr;
  const PreservedKeyEntry* found = preserved_.FindGuid(rguid);
  if (found == nullptr) return E_INVALIDARG;
  *pbstrDesc = SysAllocStringLen(AsWchar(found->description.data()),
                                 static_cast<UINT>(found->description.size()));
  return *pbstrDesc ? S_OK : E_OUTOFMEMORY;
}

HRESULT KeystrokeMgr::SimulatePreservedKey(ITfContext* pic, REFGUID rguid, BOOL* pfEaten) {
  if (pfEaten == nullptr) return E_INVALIDARG;
  *pfEaten = FALSE;
  const PreservedKeyEntry* found = preserved_.FindGuid(rguid);
  if (found == nullptr) return E_INVALIDARG;
  GUID guid = found->guid;
  return CallPreservedKey(found->clientId, pic, guid, pfEaten);
}

bool KeystrokeMgr::HasForegroundSink() const {
  return static_cast<bool>(sinks_.Keyed(foreground_, IID_ITfKeyEventSink));
}

void KeystrokeMgr::Clear() {
  sinks_.Clear();
  preserved_.Clear();
  foreground_ = TF_CLIENTID_NULL;
}

}  // namespace platform
