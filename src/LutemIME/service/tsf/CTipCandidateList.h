#pragma once

#include "Platform.h"
#include "suggest/LutemIMEArray.h"

// The search candidates handed to a search box: the strings in candidate
// order, each held by one reference that goes with the list. Starts with no
// reference (see CTipCandidateString).
class CTipCandidateList : public ITfCandidateList {
 public:
  CTipCandidateList();
  CTipCandidateList(const CTipCandidateList&) = delete;
  CTipCandidateList& operator=(const CTipCandidateList&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfCandidateList
  STDMETHODIMP EnumCandidates(IEnumTfCandidates** ppEnum) override;
  STDMETHODIMP GetCandidate(ULONG nIndex, ITfCandidateString** ppCand) override;
  STDMETHODIMP GetCandidateNum(ULONG* pnCnt) override;
  STDMETHODIMP SetResult(ULONG nIndex, TfCandidateResult imcr) override;

  virtual ~CTipCandidateList();
  // Appends *ppCand, taking over the reference that comes with it; on
  // E_OUTOFMEMORY the reference stays the caller's.
  virtual HRESULT SetCandidate(ITfCandidateString** ppCand);

 private:
  LONG volatile refCount;
  LutemIMEArray<ITfCandidateString*> strings;
};
