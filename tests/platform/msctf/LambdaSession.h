// An edit session for the host's tests: its DoEditSession runs a function
// with the session's cookie and counts its runs and references.
#pragma once

#include <functional>

#include "Platform.h"
#include "msctf/ComObject.h"

namespace tsftest {

class LambdaSession final : public platform::ComObject<ITfEditSession> {
 public:
  explicit LambdaSession(std::function<HRESULT(TfEditCookie)> body) : body_(std::move(body)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_INVALIDARG;
    bool known = IsEqualGUID(riid, IID_IUnknown) || IsEqualGUID(riid, IID_ITfEditSession);
    return Answer(known ? static_cast<ITfEditSession*>(this) : nullptr, object);
  }
  HRESULT STDMETHODCALLTYPE DoEditSession(TfEditCookie ec) override {
    ++runs;
    lastCookie = ec;
    return body_(ec);
  }

  // The references held on it now.
  ULONG refs() {
    AddRef();
    return Release();
  }
  int runs = 0;
  TfEditCookie lastCookie = TF_INVALID_EDIT_COOKIE;

 private:
  ~LambdaSession() override = default;
  std::function<HRESULT(TfEditCookie)> body_;
};

}  // namespace tsftest
