#pragma once

#include "Platform.h"

class LutemIME;

// What a search box asks the text service for: the candidates of what the
// user is composing (at most 16), whatever the query. Reads the text
// service's engine afresh at every call and keeps nothing. The text service
// holds one reference for as long as it keeps the provider and tells it
// when it goes, since a search box may hold the provider longer. Counts with
// interlocked calls and holds the module while it lives.
class CSearchCandidateProvider : public ITfFnSearchCandidateProvider {
 public:
  static constexpr size_t kMaxCandidates = 16;

  // A provider for textService, handed out with one reference.
  static HRESULT CreateInstance(LutemIME* textService, CSearchCandidateProvider** provider);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfFunction
  STDMETHODIMP GetDisplayName(BSTR* pbstrName) override;
  // ITfFnSearchCandidateProvider
  STDMETHODIMP GetSearchCandidates(BSTR bstrQuery, BSTR bstrApplicationId,
                                   ITfCandidateList** pplist) override;
  STDMETHODIMP SetResult(BSTR bstrQuery, BSTR bstrApplicationID, BSTR bstrResult) override;

  virtual ~CSearchCandidateProvider();

  // The text service is going: from now on every search finds none (E_FAIL).
  void ForgetTextService() { textService = nullptr; }

 private:
  explicit CSearchCandidateProvider(LutemIME* textService);

  LONG volatile refCount;
  LutemIME* textService;  // no reference
};
