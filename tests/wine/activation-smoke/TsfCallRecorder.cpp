#include "TsfCallRecorder.h"

#include "ResultText.h"

namespace {

using AdviseSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfSource*, REFIID, IUnknown*, DWORD*);
using UnadviseSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfSource*, DWORD);
using AdviseSingleSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfSourceSingle*, TfClientId, REFIID,
                                                       IUnknown*);
using UnadviseSingleSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfSourceSingle*, TfClientId, REFIID);
using AdviseKeyEventSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfKeystrokeMgr*, TfClientId,
                                                         ITfKeyEventSink*, BOOL);
using UnadviseKeyEventSinkFn = HRESULT(STDMETHODCALLTYPE*)(ITfKeystrokeMgr*, TfClientId);

// The slots after IUnknown's three: ITfSource, ITfSourceSingle and
// ITfKeystrokeMgr each begin with their advise and unadvise.
constexpr int kAdviseSlot = 3;
constexpr int kUnadviseSlot = 4;

std::vector<TsfCallRecorder::Call> calls;
AdviseSinkFn originalAdviseSink = nullptr;
UnadviseSinkFn originalUnadviseSink = nullptr;
AdviseSingleSinkFn originalAdviseSingleSink = nullptr;
UnadviseSingleSinkFn originalUnadviseSingleSink = nullptr;
AdviseKeyEventSinkFn originalAdviseKeyEventSink = nullptr;
UnadviseKeyEventSinkFn originalUnadviseKeyEventSink = nullptr;

void Record(TsfCallRecorder::Kind kind, REFIID riid, DWORD cookie, TfClientId tid,
            HRESULT result) {
  calls.push_back({kind, riid, cookie, tid, result});
}

HRESULT STDMETHODCALLTYPE AdviseSink(ITfSource* self, REFIID riid, IUnknown* sink,
                                     DWORD* cookie) {
  HRESULT result = originalAdviseSink(self, riid, sink, cookie);
  Record(TsfCallRecorder::Kind::AdviseSink, riid,
         cookie != nullptr && SUCCEEDED(result) ? *cookie : TF_INVALID_COOKIE, 0, result);
  return result;
}

HRESULT STDMETHODCALLTYPE UnadviseSink(ITfSource* self, DWORD cookie) {
  HRESULT result = originalUnadviseSink(self, cookie);
  Record(TsfCallRecorder::Kind::UnadviseSink, GUID_NULL, cookie, 0, result);
  return result;
}

HRESULT STDMETHODCALLTYPE AdviseSingleSink(ITfSourceSingle* self, TfClientId tid, REFIID riid,
                                           IUnknown* sink) {
  HRESULT result = originalAdviseSingleSink(self, tid, riid, sink);
  Record(TsfCallRecorder::Kind::AdviseSingleSink, riid, 0, tid, result);
  return result;
}

HRESULT STDMETHODCALLTYPE UnadviseSingleSink(ITfSourceSingle* self, TfClientId tid,
                                             REFIID riid) {
  HRESULT result = originalUnadviseSingleSink(self, tid, riid);
  Record(TsfCallRecorder::Kind::UnadviseSingleSink, riid, 0, tid, result);
  return result;
}

HRESULT STDMETHODCALLTYPE AdviseKeyEventSink(ITfKeystrokeMgr* self, TfClientId tid,
                                             ITfKeyEventSink* sink, BOOL foreground) {
  HRESULT result = originalAdviseKeyEventSink(self, tid, sink, foreground);
  Record(TsfCallRecorder::Kind::AdviseKeyEventSink, IID_ITfKeyEventSink, 0, tid, result);
  return result;
}

HRESULT STDMETHODCALLTYPE UnadviseKeyEventSink(ITfKeystrokeMgr* self, TfClientId tid) {
  HRESULT result = originalUnadviseKeyEventSink(self, tid);
  Record(TsfCallRecorder::Kind::UnadviseKeyEventSink, IID_ITfKeyEventSink, 0, tid, result);
  return result;
}

// Puts hook into slot of the object's function table and keeps what was there.
template <typename Fn>
bool Replace(void* object, int slot, Fn hook, Fn* original) {
  void** table = *static_cast<void***>(object);
  DWORD protection = 0;
  if (!VirtualProtect(&table[slot], sizeof(void*), PAGE_READWRITE, &protection)) return false;
  *original = reinterpret_cast<Fn>(table[slot]);
  table[slot] = reinterpret_cast<void*>(hook);
  DWORD ignored = 0;
  VirtualProtect(&table[slot], sizeof(void*), protection, &ignored);
  return true;
}

template <typename Interface, typename Advise, typename Unadvise>
bool ReplaceBoth(ITfThreadMgr* threadMgr, REFIID riid, Advise advise, Advise* originalAdvise,
                 Unadvise unadvise, Unadvise* originalUnadvise) {
  Interface* object = nullptr;
  if (FAILED(threadMgr->QueryInterface(riid, reinterpret_cast<void**>(&object))) ||
      object == nullptr)
    return false;
  bool done = Replace(object, kAdviseSlot, advise, originalAdvise) &&
              Replace(object, kUnadviseSlot, unadvise, originalUnadvise);
  object->Release();
  return done;
}

}  // namespace

bool TsfCallRecorder::Install(ITfThreadMgr* threadMgr) {
  if (originalAdviseSink != nullptr) return false;
  return ReplaceBoth<ITfSource>(threadMgr, IID_ITfSource, &::AdviseSink, &originalAdviseSink,
                                &::UnadviseSink, &originalUnadviseSink) &&
         ReplaceBoth<ITfSourceSingle>(threadMgr, IID_ITfSourceSingle, &::AdviseSingleSink,
                                      &originalAdviseSingleSink, &::UnadviseSingleSink,
                                      &originalUnadviseSingleSink) &&
         ReplaceBoth<ITfKeystrokeMgr>(threadMgr, IID_ITfKeystrokeMgr, &::AdviseKeyEventSink,
                                      &originalAdviseKeyEventSink, &::UnadviseKeyEventSink,
                                      &originalUnadviseKeyEventSink);
}

const std::vector<TsfCallRecorder::Call>& TsfCallRecorder::Calls() { return calls; }

std::string TsfCallRecorder::InterfaceName(REFIID riid) {
  struct Named {
    const IID* iid;
    const char* name;
  };
  static const Named names[] = {
      {&IID_ITfThreadMgrEventSink, "ITfThreadMgrEventSink"},
      {&IID_ITfKeyEventSink, "ITfKeyEventSink"},
      {&IID_ITfActiveLanguageProfileNotifySink, "ITfActiveLanguageProfileNotifySink"},
      {&IID_ITfThreadFocusSink, "ITfThreadFocusSink"},
      {&IID_ITfFunctionProvider, "ITfFunctionProvider"},
      {&IID_ITfUIElementSink, "ITfUIElementSink"},
      {&IID_ITfTextEditSink, "ITfTextEditSink"},
  };
  for (const Named& named : names)
    if (IsEqualIID(riid, *named.iid)) return named.name;
  WCHAR text[40] = {};
  StringFromGUID2(riid, text, 40);
  std::string narrow;
  for (const WCHAR* unit = text; *unit != 0; ++unit) narrow += static_cast<char>(*unit);
  return narrow;
}

std::string TsfCallRecorder::Describe(const Call& call) {
  std::string result = " = " + ResultText(call.result);
  switch (call.kind) {
    case Kind::AdviseSink:
      return "ITfSource::AdviseSink(" + InterfaceName(call.riid) + ")" + result +
             (SUCCEEDED(call.result) ? ", cookie " + std::to_string(call.cookie) : "");
    case Kind::UnadviseSink:
      return "ITfSource::UnadviseSink(cookie " + std::to_string(call.cookie) + ")" + result;
    case Kind::AdviseSingleSink:
      return "ITfSourceSingle::AdviseSingleSink(" + InterfaceName(call.riid) + ")" + result;
    case Kind::UnadviseSingleSink:
      return "ITfSourceSingle::UnadviseSingleSink(" + InterfaceName(call.riid) + ")" + result;
    case Kind::AdviseKeyEventSink:
      return "ITfKeystrokeMgr::AdviseKeyEventSink" + result;
    case Kind::UnadviseKeyEventSink:
      return "ITfKeystrokeMgr::UnadviseKeyEventSink" + result;
  }
  return "?";
}
