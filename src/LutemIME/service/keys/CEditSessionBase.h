#pragma once

#include "Platform.h"

class LutemIME;

// An edit session of the text service: what runs when TSF grants the lock a
// request asked for. Holds the context and the text service (one reference
// each) until TSF lets the session go, so a session that runs late still
// finds both; whether the text service is still active is for DoEditSession
// to check (its engine is null once deactivated). Counted without
// interlocking: sessions live on the UI thread.
class CEditSessionBase : public ITfEditSession {
 public:
  CEditSessionBase(LutemIME* textService, ITfContext* context);
  CEditSessionBase(const CEditSessionBase&) = delete;
  CEditSessionBase& operator=(const CEditSessionBase&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

 protected:
  virtual ~CEditSessionBase();

  ITfContext* context;
  LutemIME* textService;

 private:
  ULONG refCount;
};
