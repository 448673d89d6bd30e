// Search candidates (ctffunc.h's share of the SDK): the function a search box
// asks a text service for, and the candidate list, strings and enumerator it
// answers with. Slot order, signatures and values as in the SDK's
// ctffunc.idl, as the Text Services Framework reference lists them.
#pragma once

#include "platform/msctf/TsfThreadMgr.h"

enum TfCandidateResult { CAND_FINALIZED = 0, CAND_SELECTED = 1, CAND_CANCELED = 2 };

struct ITfCandidateString : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetString(BSTR* pbstr) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetIndex(ULONG* pnIndex) = 0;
};

struct IEnumTfCandidates : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfCandidates** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfCandidateString** ppCand,
                                         ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};

struct ITfCandidateList : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE EnumCandidates(IEnumTfCandidates** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCandidate(ULONG nIndex, ITfCandidateString** ppCand) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetCandidateNum(ULONG* pnCnt) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetResult(ULONG nIndex, TfCandidateResult imcr) = 0;
};

struct ITfFnSearchCandidateProvider : public ITfFunction {
  virtual HRESULT STDMETHODCALLTYPE GetSearchCandidates(BSTR bstrQuery, BSTR bstrApplicationId,
                                                        ITfCandidateList** pplist) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetResult(BSTR bstrQuery, BSTR bstrApplicationID,
                                              BSTR bstrResult) = 0;
};

inline constexpr IID IID_ITfCandidateString = {
    0x581f317e, 0xfd9d, 0x443f, {0xb9, 0x72, 0xed, 0x00, 0x46, 0x7c, 0x5d, 0x40}};
inline constexpr IID IID_IEnumTfCandidates = {
    0xdefb1926, 0x6c80, 0x4ce8, {0x87, 0xd4, 0xd6, 0xb7, 0x2b, 0x81, 0x2b, 0xde}};
inline constexpr IID IID_ITfCandidateList = {
    0xa3ad50fb, 0x9bdb, 0x49e3, {0xa8, 0x43, 0x6c, 0x76, 0x52, 0x0f, 0xbf, 0x5d}};
inline constexpr IID IID_ITfFnSearchCandidateProvider = {
    0x87a2ad8f, 0xf27b, 0x4920, {0x85, 0x01, 0x67, 0x60, 0x22, 0x80, 0x17, 0x5d}};
