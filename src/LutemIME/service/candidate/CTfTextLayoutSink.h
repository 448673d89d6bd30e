#pragma once

#include "Platform.h"

class LutemIME;

// Watches the layout of the document that holds the composition: when the
// application lays its text out again, the composition's new place on the
// screen is read in a read session and handed to OnTextExtentChanged; when
// it destroys the view, OnLayoutDestroyed. Notices for another context are
// ignored. The object counts its references without interlocking (the UI
// thread's) and holds one on the text service.
class CTfTextLayoutSink : public ITfTextLayoutSink {
 public:
  explicit CTfTextLayoutSink(LutemIME* textService);
  CTfTextLayoutSink(const CTfTextLayoutSink&) = delete;
  CTfTextLayoutSink& operator=(const CTfTextLayoutSink&) = delete;

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // ITfTextLayoutSink
  STDMETHODIMP OnLayoutChange(ITfContext* pic, TfLayoutCode lcode, ITfContextView* pView) override;

  virtual void OnTextExtentChanged(const RECT& textExtent) = 0;
  virtual void OnLayoutDestroyed() = 0;

 protected:
  virtual ~CTfTextLayoutSink();

  // Keeps context, range and editCookie and advises this sink on context;
  // FALSE when the context has no source or refuses the sink.
  BOOL AdviseTextLayoutSink(ITfContext* watched, ITfRange* composed, TfEditCookie cookie);
  // Unadvises, and lets the range and the context go; safe to repeat.
  void UnadviseTextLayoutSink();

  ITfRange* range = nullptr;      // one reference
  ITfContext* context = nullptr;  // one reference
  TfEditCookie editCookie = 0;
  LutemIME* textService;          // one reference
  DWORD layoutSinkCookie = TF_INVALID_COOKIE;

 private:
  ULONG refCount = 1;
};
