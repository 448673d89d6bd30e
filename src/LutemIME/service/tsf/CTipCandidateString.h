#pragma once

#include <string>

#include "Platform.h"

// One search candidate: its text (a copy of its own) and its place in the
// list it was made for. Starts with no reference; the one that makes it
// takes the first through QueryInterface. Counts with interlocked calls and
// holds the module while it lives, since a search box may keep it after the
// text service is gone.
class CTipCandidateString : public ITfCandidateString {
 public:
  CTipCandidateString();
  CTipCandidateString(const CTipCandidateString&) = delete;
  CTipCandidateString& operator=(const CTipCandidateString&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;
  // ITfCandidateString
  STDMETHODIMP GetString(BSTR* pbstr) override;
  STDMETHODIMP GetIndex(ULONG* pnIndex) override;

  virtual ~CTipCandidateString();
  virtual HRESULT SetIndex(ULONG index);
  // The first min(length, units before the first NUL) units of text; a null
  // text gives the empty string.
  virtual HRESULT SetString(const WCHAR* text, size_t length);

 private:
  LONG volatile refCount;
  ULONG index;
  std::u16string text;
};
