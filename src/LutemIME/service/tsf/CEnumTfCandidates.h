#pragma once

#include "Platform.h"
#include "suggest/LutemIMEArray.h"

// Walks the strings of a search-candidate list as they were when it was
// made: it keeps its own references on them, so releasing the list leaves
// them valid. Starts with no reference (see CTipCandidateString).
class CEnumTfCandidates : public IEnumTfCandidates {
 public:
  CEnumTfCandidates();
  CEnumTfCandidates(const CEnumTfCandidates&) = delete;
  CEnumTfCandidates& operator=(const CEnumTfCandidates&) = delete;

  // A new enumerator over strings, starting at position, handed out through
  // QueryInterface(riid) into *object. E_OUTOFMEMORY when it cannot be made.
  static HRESULT Create(const LutemIMEArray<ITfCandidateString*>& strings, ULONG position,
                        REFIID riid, void** object);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // IEnumTfCandidates
  STDMETHODIMP Clone(IEnumTfCandidates** ppEnum) override;
  STDMETHODIMP Next(ULONG ulCount, ITfCandidateString** ppObj, ULONG* pcFetched) override;
  STDMETHODIMP Reset() override;
  STDMETHODIMP Skip(ULONG ulCount) override;

  virtual ~CEnumTfCandidates();

 private:
  LONG volatile refCount;
  LutemIMEArray<ITfCandidateString*> strings;
  ULONG position;
};
