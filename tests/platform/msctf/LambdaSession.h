// An edit session for the host's tests: its DoEditSession runs a function
// with the session's cookie and counts its runs and references.
#pragma once

#include <atomic>
#include <functional>

#include "Platform.h"

namespace tsftest {

class LambdaSession final : public ITfEditSession {
 public:
  explicit LambdaSession(std::function<HRESULT(TfEditCookie)> body) : body_(std::move(body)) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (object == nullptr) return E_INVALIDARG;
    *object = nullptr;
    if (!IsEqualGUID(riid, IID_IUnknown) && !IsEqualGUID(riid, IID_ITfEditSession)) {
      return E_NOINTERFACE;
    }
    *object = static_cast<ITfEditSession*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE DoEditSession(TfEditCookie ec) override {
    ++runs;
    lastCookie = ec;
    return body_(ec);
  }

  ULONG refs() const { return refs_; }
  int runs = 0;
  TfEditCookie lastCookie = TF_INVALID_EDIT_COOKIE;

 private:
  ~LambdaSession() = default;
  std::atomic<ULONG> refs_{1};
  std::function<HRESULT(TfEditCookie)> body_;
};

}  // namespace tsftest
