// The candidate list's life: begun with a window at the composition,
// filled, moved through, placed again when the layout changes, closed; and
// the commit of a chosen candidate. The TSF tables are in
// CCandidateListUIPresenterElement.cpp.
#include "service/candidate/CCandidateListUIPresenter.h"

#include <new>

#include "service/candidate/CCandidateWindow.h"
#include "service/candidate/CalcCandidateWindowPosition.h"
#include "service/keys/CKeyHandlerEditSession.h"
#include "service/keys/KeystrokeState.h"
#include "service/tsf/ComRef.h"
#include "service/tsf/LutemIME.h"

namespace {

constexpr UINT kRowsShown = 7;

}  // namespace

CCandidateListUIPresenter::CCandidateListUIPresenter(LutemIME* service, ATOM atom,
                                                     const LutemIMEArray<unsigned long>* pageLabels)
    : CTfTextLayoutSink(service),
      windowClassAtom(atom),
      labels(pageLabels),
      categoryValue(CategoryCandidate),
      textServiceRef(service) {
  if (textServiceRef != nullptr) textServiceRef->AddRef();
}

CCandidateListUIPresenter::~CCandidateListUIPresenter() {
  CloseCandidateList();
  if (textServiceRef != nullptr) textServiceRef->Release();
}

STDMETHODIMP CCandidateListUIPresenter::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_INVALIDARG;
  *ppvObject = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_ITfTextLayoutSink)) {
    *ppvObject = static_cast<ITfTextLayoutSink*>(this);
  } else if (IsEqualIID(riid, IID_ITfUIElement) || IsEqualIID(riid, IID_ITfCandidateListUIElement) ||
             IsEqualIID(riid, IID_ITfCandidateListUIElementBehavior)) {
    *ppvObject = static_cast<ITfCandidateListUIElementBehavior*>(this);
  } else if (IsEqualIID(riid, IID_ITfIntegratableCandidateListUIElement)) {
    *ppvObject = static_cast<ITfIntegratableCandidateListUIElement*>(this);
  } else {
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

STDMETHODIMP_(ULONG) CCandidateListUIPresenter::AddRef() { return ++refCount; }

STDMETHODIMP_(ULONG) CCandidateListUIPresenter::Release() {
  const ULONG left = --refCount;
  if (left == 0) delete this;
  return left;
}

ITfUIElementMgr* CCandidateListUIPresenter::UIElementMgr() {
  ITfUIElementMgr* manager = nullptr;
  if (textService == nullptr || textService->threadMgr == nullptr ||
      FAILED(textService->threadMgr->QueryInterface(IID_ITfUIElementMgr,
                                                    reinterpret_cast<void**>(&manager))))
    return nullptr;
  return manager;
}

HRESULT CCandidateListUIPresenter::BeginCandidateList(TfClientId, ITfDocumentMgr*,
                                                      ITfContext* listContext,
                                                      TfEditCookie cookie, ITfRange* composed,
                                                      UINT widthChars) {
  if (!AdviseTextLayoutSink(listContext, composed, cookie)) {
    CloseCandidateList();
    return E_FAIL;
  }
  if (ComRef<ITfUIElementMgr> manager{UIElementMgr()}) {
    BOOL show = TRUE;
    DWORD id = 0xFFFFFFFF;
    if (SUCCEEDED(manager->BeginUIElement(static_cast<ITfCandidateListUIElementBehavior*>(this),
                                          &show, &id))) {
      showFlag = show;
      uiElementId = id;
    }
  }
  const HRESULT made = CreateCandidateWindow(listContext, widthChars);
  if (FAILED(made)) {
    CloseCandidateList();
    return made;
  }
  Show(showFlag);
  RECT extent = {};
  if (ReadTextExtent(&extent)) OnTextExtentChanged(extent);
  return S_OK;
}

HRESULT CCandidateListUIPresenter::CreateCandidateWindow(ITfContext* listContext, UINT widthChars) {
  if (window != nullptr) return S_OK;
  window = new (std::nothrow) CCandidateWindow(labels, WindowCallback, this, widthChars);
  if (window == nullptr) return E_OUTOFMEMORY;

  HWND parent = nullptr;
  ComRef<ITfContextView> view;
  if (SUCCEEDED(listContext->GetActiveView(view.Receive())) && view) {
    if (FAILED(view->GetWnd(&parent))) parent = nullptr;
  }
  if (windowClassAtom != 0) {
    // The window follows its monitor's DPI. The thread is the
    // application's: its own awareness comes back once the window exists
    // (a window keeps the awareness it was made with).
    DPI_AWARENESS_CONTEXT previous =
        SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    window->Create(windowClassAtom, WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW, WS_POPUP,
                   nullptr, 0, 0, parent);
    if (previous != nullptr) SetThreadDpiAwarenessContext(previous);
  }

  UINT width = window->MinWidth();
  const UINT frames = 2 * static_cast<UINT>(GetSystemMetrics(SM_CXFRAME));
  if (width <= frames) {
    width = frames;
    window->SetMinWidth(width);
  }
  const UINT height =
      kRowsShown * window->ItemHeight() + 2 * static_cast<UINT>(MulDiv(2, static_cast<int>(window->Dpi()), 96));
  window->Resize(0, 0, static_cast<int>(width), static_cast<int>(height));
  window->Render();
  return S_OK;
}

void CCandidateListUIPresenter::AddCandidates(const LutemIMEArray<CCandidateListItem>& items) {
  if (window == nullptr) return;
  window->AddStrings(items);
  window->SetPageIndexFromCount(static_cast<UINT>(items.Count()));
  window->ResizeToContent();
  // The size changed with the content: the window goes where this size fits.
  if (placed) OnTextExtentChanged(lastTextExtent);
  if (showFlag) {
    window->Render();
  } else {
    Changed(TF_CLUIE_COUNT | TF_CLUIE_SELECTION | TF_CLUIE_STRING | TF_CLUIE_PAGEINDEX |
            TF_CLUIE_CURRENTPAGE);
  }
}

void CCandidateListUIPresenter::CloseCandidateList() {
  if (uiElementId != 0xFFFFFFFF) {
    const DWORD id = uiElementId;
    uiElementId = 0xFFFFFFFF;
    if (ComRef<ITfUIElementMgr> manager{UIElementMgr()}) manager->EndUIElement(id);
  }
  if (window != nullptr) {
    CCandidateWindow* going = window;
    window = nullptr;
    going->Destroy();
    delete going;
  }
  UnadviseTextLayoutSink();
  placed = false;
}

bool CCandidateListUIPresenter::ReadTextExtent(RECT* extent) {
  if (context == nullptr || range == nullptr) return false;
  ComRef<ITfContextView> view;
  if (FAILED(context->GetActiveView(view.Receive())) || !view) return false;
  BOOL clipped = FALSE;
  return SUCCEEDED(view->GetTextExt(editCookie, range, extent, &clipped));
}

void CCandidateListUIPresenter::OnTextExtentChanged(const RECT& textExtent) {
  if (window == nullptr) return;
  lastTextExtent = textExtent;
  placed = true;
  RECT client = {};
  window->GetClientRect(&client);
  RECT workArea = {};
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof(monitor);
  HMONITOR nearest =
      MonitorFromPoint(POINT{textExtent.left, textExtent.top}, MONITOR_DEFAULTTONEAREST);
  if (nearest != nullptr && GetMonitorInfoW(nearest, &monitor)) {
    workArea = monitor.rcWork;
  } else {
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
  }
  POINT topLeft = {};
  if (CalcCandidateWindowPosition(textExtent, workArea, client, &topLeft))
    window->Move(topLeft.x, topLeft.y);
}

void CCandidateListUIPresenter::OnLayoutDestroyed() { CloseCandidateList(); }

BOOL CCandidateListUIPresenter::ListContext(ITfContext** listContext) const {
  if (listContext == nullptr) return FALSE;
  *listContext = context;
  if (context == nullptr) return FALSE;
  context->AddRef();
  return TRUE;
}

void CCandidateListUIPresenter::Changed(DWORD flags) {
  if (window == nullptr) return;
  if (showFlag) {
    window->Invalidate();
    return;
  }
  updatedFlags = flags;
  if (uiElementId == 0xFFFFFFFF) return;
  if (ComRef<ITfUIElementMgr> manager{UIElementMgr()}) manager->UpdateUIElement(uiElementId);
}

void CCandidateListUIPresenter::OnKeyFunction(UINT function) {
  switch (function) {
    case FunctionMoveUp:
      MoveSelection(-1);
      break;
    case FunctionMoveDown:
      MoveSelection(+1);
      break;
    case FunctionMovePageUp:
      MovePage(-1);
      break;
    case FunctionMovePageDown:
      MovePage(+1);
      break;
    case FunctionMoveFirst:
      JumpSelection(0);
      break;
    case FunctionMoveLast:
      JumpSelection(0xFFFFFFFF);
      break;
    default:
      break;
  }
}

BOOL CCandidateListUIPresenter::MoveSelection(int delta) {
  if (window == nullptr || !window->WrapSelection(delta)) return FALSE;
  window->Render();
  Changed(TF_CLUIE_SELECTION);
  return TRUE;
}

BOOL CCandidateListUIPresenter::JumpSelection(UINT index) {
  if (window == nullptr) return FALSE;
  const UINT before = window->Selection();
  const BOOL jumped = window->JumpSelection(index);
  if (jumped || window->Selection() != before) window->Render();
  if (!jumped) return FALSE;
  Changed(TF_CLUIE_SELECTION | TF_CLUIE_CURRENTPAGE);
  return TRUE;
}

void CCandidateListUIPresenter::MovePage(int direction) {
  if (window == nullptr || !window->MovePage(direction)) return;
  Changed(TF_CLUIE_SELECTION | TF_CLUIE_CURRENTPAGE);
}

void CCandidateListUIPresenter::ShowIfShowMode() {
  if (showFlag) Show(TRUE);
}

void CCandidateListUIPresenter::HideIfShowMode() {
  if (showFlag) Show(FALSE);
}

HRESULT CCandidateListUIPresenter::WindowCallback(void* object, UINT action) {
  return static_cast<CCandidateListUIPresenter*>(object)->OnCandidateChosen(action);
}

HRESULT CCandidateListUIPresenter::OnCandidateChosen(UINT action) {
  if (action != 0 || textService == nullptr || textService->threadMgr == nullptr) return E_FAIL;
  // A closed list has nothing to choose from (an application may still hold
  // the element).
  if (window == nullptr || context == nullptr) return E_FAIL;
  // The commit closes the list and may let this object go.
  ComRef<ITfTextLayoutSink> keep = ComRef<ITfTextLayoutSink>::Share(this);
  // The list's own document, wherever the focus has gone meanwhile.
  ComRef<ITfContext> listContext = ComRef<ITfContext>::Share(context);
  const KeystrokeState choose = {categoryValue, FunctionFinalizeCandidate};
  CKeyHandlerEditSession* session =
      new (std::nothrow) CKeyHandlerEditSession(textService, listContext.get(), 0, 0, choose);
  if (session == nullptr) return E_OUTOFMEMORY;
  const TfClientId client = textService->clientId;
  HRESULT sessionResult = S_OK;
  HRESULT hr = listContext->RequestEditSession(client, session, TF_ES_SYNC | TF_ES_READWRITE,
                                               &sessionResult);
  if (SUCCEEDED(hr) && (sessionResult == TF_E_SYNCHRONOUS || sessionResult == TS_E_READONLY)) {
    hr = listContext->RequestEditSession(client, session, TF_ES_ASYNC | TF_ES_READWRITE,
                                         &sessionResult);
    if (SUCCEEDED(hr) && sessionResult == TF_S_ASYNC) session->MarkWaiting();
  }
  session->Release();
  return hr;
}
