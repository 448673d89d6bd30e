#include "service/keys/CGetTextExtentEditSession.h"

#include "service/candidate/CTfTextLayoutSink.h"

CGetTextExtentEditSession::CGetTextExtentEditSession(LutemIME* service,
                                                     ITfContext* sessionContext,
                                                     ITfContextView* sessionView,
                                                     ITfRange* extentRange,
                                                     CTfTextLayoutSink* sink)
    : CEditSessionBase(service, sessionContext),
      view(sessionView),
      range(extentRange),
      layoutSink(sink) {}

STDMETHODIMP CGetTextExtentEditSession::DoEditSession(TfEditCookie ec) {
  if (view == nullptr || range == nullptr || layoutSink == nullptr) return S_OK;
  RECT extent = {};
  BOOL clipped = FALSE;
  if (SUCCEEDED(view->GetTextExt(ec, range, &extent, &clipped)))
    layoutSink->OnTextExtentChanged(extent);
  return S_OK;
}
