#include "service/candidate/CTfTextLayoutSink.h"

#include <new>

#include "service/keys/CGetTextExtentEditSession.h"
#include "service/module/DllObjectCount.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

CTfTextLayoutSink::CTfTextLayoutSink(LutemIME* service) : textService(service) {
  if (textService != nullptr) textService->AddRef();
  DllAddRef();
}

CTfTextLayoutSink::~CTfTextLayoutSink() {
  UnadviseTextLayoutSink();
  if (textService != nullptr) textService->Release();
  ReleaseModule();
}

STDMETHODIMP CTfTextLayoutSink::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_ITfTextLayoutSink))
    return E_NOINTERFACE;
  *ppvObject = static_cast<ITfTextLayoutSink*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CTfTextLayoutSink::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CTfTextLayoutSink::Release() {
  const ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}

STDMETHODIMP CTfTextLayoutSink::OnLayoutChange(ITfContext* pic, TfLayoutCode lcode,
                                               ITfContextView* pView) {
  if (pic != context) return S_OK;
  switch (lcode) {
    case TF_LC_CHANGE: {
      ComRef<ITfTextLayoutSink> keep = ComRef<ITfTextLayoutSink>::Share(this);
      CGetTextExtentEditSession* session =
          new (std::nothrow) CGetTextExtentEditSession(textService, context, pView, range, this);
      if (session == nullptr) break;
      HRESULT sessionResult = S_OK;
      context->RequestEditSession(textService->clientId, session, TF_ES_SYNC | TF_ES_READ,
                                  &sessionResult);
      session->Release();
      break;
    }
    case TF_LC_DESTROY:
      OnLayoutDestroyed();
      break;
    default:
      break;
  }
  return S_OK;
}

BOOL CTfTextLayoutSink::AdviseTextLayoutSink(ITfContext* watched, ITfRange* composed,
                                             TfEditCookie cookie) {
  UnadviseTextLayoutSink();
  if (watched == nullptr) return FALSE;
  watched->AddRef();
  context = watched;
  if (composed != nullptr) composed->AddRef();
  range = composed;
  editCookie = cookie;
  ComRef<ITfSource> source = ComRef<ITfSource>::Query(context, IID_ITfSource);
  if (!source) return FALSE;
  if (FAILED(source->AdviseSink(IID_ITfTextLayoutSink, static_cast<ITfTextLayoutSink*>(this),
                                &layoutSinkCookie))) {
    layoutSinkCookie = TF_INVALID_COOKIE;
    return FALSE;
  }
  return TRUE;
}

void CTfTextLayoutSink::UnadviseTextLayoutSink() {
  if (range != nullptr) {
    range->Release();
    range = nullptr;
  }
  if (context == nullptr) return;
  ITfContext* watched = context;
  context = nullptr;
  if (layoutSinkCookie != TF_INVALID_COOKIE) {
    if (ComRef<ITfSource> source = ComRef<ITfSource>::Query(watched, IID_ITfSource))
      source->UnadviseSink(layoutSinkCookie);
    layoutSinkCookie = TF_INVALID_COOKIE;
  }
  watched->Release();
}
