#pragma once

#include "Platform.h"
#include "service/candidate/CTfTextLayoutSink.h"
#include "suggest/CCandidateListItem.h"
#include "suggest/LutemIMEArray.h"

class CCandidateWindow;

// The candidate list as TSF sees it: a UI element (ITfCandidateListUIElement
// and its behaviour, and the integratable element a search box asks for)
// and a layout sink on the document that holds the composition. It owns the
// candidate window, keeps it next to the composed text while the text
// moves, and turns a chosen candidate into a key session that commits it.
// When TSF answers that the application draws the list itself (UI-less),
// its window stays hidden and every change is reported through
// ITfUIElementMgr::UpdateUIElement instead.
//
// One reference count for all its interfaces. The text service holds the
// first reference and lets it go (CloseCandidateList, then Release) when
// the list's time is over; TSF and a UI-less application may hold theirs
// longer, and the object lives until the last goes. A closed list has no
// window: every call then answers as without one, and choosing is refused.
class CCandidateListUIPresenter final : public CTfTextLayoutSink,
                                        public ITfCandidateListUIElementBehavior,
                                        public ITfIntegratableCandidateListUIElement {
 public:
  // labels: the engine's candidate labels (not owned); their count is the
  // page size. windowClassAtom: "LutemIME.CandidateWindow" (0: no window is
  // made, and the list works through TSF only).
  CCandidateListUIPresenter(LutemIME* textService, ATOM windowClassAtom,
                            const LutemIMEArray<unsigned long>* labels);

  // IUnknown, for every interface
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // CTfTextLayoutSink
  void OnTextExtentChanged(const RECT& textExtent) override;
  void OnLayoutDestroyed() override;

  // ITfUIElement
  STDMETHODIMP GetDescription(BSTR* pbstrDescription) override;
  STDMETHODIMP GetGUID(GUID* pguid) override;
  STDMETHODIMP Show(BOOL bShow) override;
  STDMETHODIMP IsShown(BOOL* pbShow) override;
  // ITfCandidateListUIElement
  STDMETHODIMP GetUpdatedFlags(DWORD* pdwFlags) override;
  STDMETHODIMP GetDocumentMgr(ITfDocumentMgr** ppdim) override;
  STDMETHODIMP GetCount(UINT* puCount) override;
  STDMETHODIMP GetSelection(UINT* puIndex) override;
  STDMETHODIMP GetString(UINT uIndex, BSTR* pbstr) override;
  STDMETHODIMP GetPageIndex(UINT* pIndex, UINT uSize, UINT* puPageCnt) override;
  STDMETHODIMP SetPageIndex(UINT* pIndex, UINT uPageCnt) override;
  STDMETHODIMP GetCurrentPage(UINT* puPage) override;
  // ITfCandidateListUIElementBehavior
  STDMETHODIMP SetSelection(UINT nIndex) override;
  STDMETHODIMP Finalize() override;
  STDMETHODIMP Abort() override;
  // ITfIntegratableCandidateListUIElement
  STDMETHODIMP SetIntegrationStyle(GUID guidIntegrationStyle) override;
  STDMETHODIMP GetSelectionStyle(TfIntegratableCandidateListSelectionStyle* ptsSelectionStyle) override;
  STDMETHODIMP OnKeyDown(WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  STDMETHODIMP ShowCandidateNumbers(BOOL* pfShow) override;
  STDMETHODIMP FinalizeExactCompositionString() override;

  // Watches context's layout, begins the UI element, makes the window and
  // places it at the composition (range, read with editCookie). E_FAIL
  // when the layout cannot be watched; the list is then closed again.
  HRESULT BeginCandidateList(TfClientId clientId, ITfDocumentMgr* documentMgr, ITfContext* context,
                             TfEditCookie editCookie, ITfRange* range, UINT widthChars);
  // The window's items become copies of items' texts, laid out in pages
  // from the first; painted, or reported to TSF when UI-less.
  void AddCandidates(const LutemIMEArray<CCandidateListItem>& items);
  // Ends the UI element, destroys the window and stops watching the
  // layout. Safe to call more than once.
  void CloseCandidateList();
  // A move key's function (up, down, page up and down, first, last).
  void OnKeyFunction(UINT function);
  // Show or hide the window, only while the input method draws its own.
  void ShowIfShowMode();
  void HideIfShowMode();
  // A candidate chosen (action 0) in the window or by Finalize: a key
  // session commits the selected one into the list's document, at once if
  // the document grants a lock, else as soon as it does.
  HRESULT OnCandidateChosen(UINT action);
  // The list's context, with a reference; FALSE once the list is closed.
  BOOL ListContext(ITfContext** listContext) const;

  // Owned; null before BeginCandidateList and after CloseCandidateList. The
  // composition road colours and fills it, the number keys read it.
  CCandidateWindow* window = nullptr;

 private:
  ~CCandidateListUIPresenter() override;

  static HRESULT WindowCallback(void* object, UINT action);
  HRESULT CreateCandidateWindow(ITfContext* context, UINT widthChars);
  // The text extent of the composition, read with the list's cookie (only
  // good inside the session that began the list).
  bool ReadTextExtent(RECT* extent);
  // Tells TSF what changed: a repaint when the window is the input method's
  // own, else flags and UpdateUIElement.
  void Changed(DWORD flags);
  ITfUIElementMgr* UIElementMgr();

  BOOL MoveSelection(int delta);
  BOOL JumpSelection(UINT index);
  void MovePage(int direction);

  BOOL showFlag = TRUE;
  ATOM windowClassAtom;
  const LutemIMEArray<unsigned long>* labels;
  UINT categoryValue;
  DWORD updatedFlags = 0;
  DWORD uiElementId = 0xFFFFFFFF;
  LutemIME* textServiceRef;  // one reference of its own
  ULONG refCount = 1;
  // Where the composition stood when the list was placed; the window is
  // placed again there when its size changes with its content.
  RECT lastTextExtent = {};
  bool placed = false;
};
