#pragma once

#include <cstdint>

#include "Platform.h"
#include "common/ThemeColors.h"

class CCompositionProcessorEngine;
class CCandidateListUIPresenter;
class CSearchCandidateProvider;

// The text input processor: what TSF creates in an application (one object
// per thread manager) and activates when the user picks the keyboard.
// Activation loads the settings and the theme, advises every sink, registers
// the display attributes, offers the search-candidate provider and sets up
// the engine; deactivation undoes all of it. The object lives on the
// application's UI thread: its count is not interlocked, and no exception
// leaves any of its methods.
//
// The implementation is split by concern: LutemIME.cpp (creation, counting,
// interfaces), LutemIMEActivation.cpp, LutemIMEEngine.cpp,
// LutemIMEThreadMgrSink.cpp (focus, text edits, profile, thread focus),
// LutemIMEKeyEventSink.cpp, LutemIMEComposition.cpp,
// LutemIMEFunctionProvider.cpp, LutemIMEDisplayAttributes.cpp,
// LutemIMEPresenter.cpp (the candidate list's share of those events).
class LutemIME final : public ITfTextInputProcessorEx,
                 public ITfThreadMgrEventSink,
                 public ITfTextEditSink,
                 public ITfKeyEventSink,
                 public ITfCompositionSink,
                 public ITfDisplayAttributeProvider,
                 public ITfActiveLanguageProfileNotifySink,
                 public ITfThreadFocusSink,
                 public ITfFunctionProvider {
 public:
  // The class factory's creator: no aggregation; a new object with the
  // default theme colours, asked for riid (an interface it lacks destroys it
  // at once). The first object of the process starts GDI+.
  static HRESULT CreateInstance(IUnknown* pUnkOuter, REFIID riid, void** ppvObject);

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID riid, void** ppvObject) override;
  STDMETHODIMP_(ULONG) AddRef() override;
  STDMETHODIMP_(ULONG) Release() override;

  // ITfTextInputProcessor, ITfTextInputProcessorEx
  STDMETHODIMP Activate(ITfThreadMgr* ptim, TfClientId tid) override;
  STDMETHODIMP Deactivate() override;
  STDMETHODIMP ActivateEx(ITfThreadMgr* ptim, TfClientId tid, DWORD dwFlags) override;

  // ITfThreadMgrEventSink
  STDMETHODIMP OnInitDocumentMgr(ITfDocumentMgr* pdim) override;
  STDMETHODIMP OnUninitDocumentMgr(ITfDocumentMgr* pdim) override;
  STDMETHODIMP OnSetFocus(ITfDocumentMgr* pdimFocus, ITfDocumentMgr* pdimPrevFocus) override;
  STDMETHODIMP OnPushContext(ITfContext* pic) override;
  STDMETHODIMP OnPopContext(ITfContext* pic) override;

  // ITfTextEditSink
  STDMETHODIMP OnEndEdit(ITfContext* pic, TfEditCookie ecReadOnly,
                         ITfEditRecord* pEditRecord) override;

  // ITfKeyEventSink
  STDMETHODIMP OnSetFocus(BOOL fForeground) override;
  STDMETHODIMP OnTestKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam,
                             BOOL* pfEaten) override;
  STDMETHODIMP OnTestKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  STDMETHODIMP OnKeyDown(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  STDMETHODIMP OnKeyUp(ITfContext* pic, WPARAM wParam, LPARAM lParam, BOOL* pfEaten) override;
  STDMETHODIMP OnPreservedKey(ITfContext* pic, REFGUID rguid, BOOL* pfEaten) override;

  // ITfCompositionSink
  STDMETHODIMP OnCompositionTerminated(TfEditCookie ecWrite, ITfComposition* pComposition) override;

  // ITfDisplayAttributeProvider
  STDMETHODIMP EnumDisplayAttributeInfo(IEnumTfDisplayAttributeInfo** ppEnum) override;
  STDMETHODIMP GetDisplayAttributeInfo(REFGUID guidInfo, ITfDisplayAttributeInfo** ppInfo) override;

  // ITfActiveLanguageProfileNotifySink
  STDMETHODIMP OnActivated(REFCLSID clsid, REFGUID guidProfile, BOOL fActivated) override;

  // ITfThreadFocusSink
  STDMETHODIMP OnSetThreadFocus() override;
  STDMETHODIMP OnKillThreadFocus() override;

  // ITfFunctionProvider
  STDMETHODIMP GetType(GUID* pguid) override;
  STDMETHODIMP GetDescription(BSTR* pbstrDesc) override;
  STDMETHODIMP GetFunction(REFGUID rguid, REFIID riid, IUnknown** ppunk) override;

  // Resets the process-wide settings and asks the settings server for them.
  static void LoadSettings();
  // Moves the text-edit sink to the top context of documentMgr (none: the
  // sink is only removed). FALSE when the context cannot be had or refuses
  // the sink.
  BOOL AttachTextEditSink(ITfDocumentMgr* documentMgr);
  // Makes sure an engine is set up for the current language's default
  // keyboard profile: a new one, or the existing one set up again when the
  // profile changed. FALSE when the profile cannot be had or the engine
  // cannot be made.
  BOOL CreateCompositionEngine();
  // Asks for the open composition on context to end, its text kept, in an
  // edit session that may run later. Every path such a session (or a key
  // session, or a termination) takes must expect `engine` to be null: the
  // text service may have been deactivated meanwhile.
  void RequestCloseComposition(ITfContext* context);

  // The fields, in the order the text service keeps them. The key sink,
  // the compositions and the candidate list read and write them.
  ThemeColors themeColors;
  ITfThreadMgr* threadMgr;  // one reference
  TfClientId clientId;
  uint32_t activateFlags;
  DWORD threadMgrEventSinkCookie;
  ITfContext* textEditSinkContext;  // one reference
  DWORD textEditSinkCookie;
  DWORD profileNotifySinkCookie;
  DWORD threadFocusSinkCookie;
  CCompositionProcessorEngine* engine;  // owned; null while not active
  ITfComposition* composition;          // one reference
  TfGuidAtom inputAttributeAtom;
  TfGuidAtom convertedAttributeAtom;
  uint32_t candidateMode;
  CCandidateListUIPresenter* presenter;  // owned
  ITfDocumentMgr* lastFocusedDocumentMgr;  // one reference
  ITfContext* compositionContext;          // one reference
  ULONG refCount;
  CSearchCandidateProvider* searchCandidateProvider;  // one reference

 private:
  LutemIME();
  ~LutemIME();
  LutemIME(const LutemIME&) = delete;
  LutemIME& operator=(const LutemIME&) = delete;

  // The steps of ActivateEx that advise on TSF; FALSE at the first failure.
  BOOL AdviseThreadMgrSinks();
  BOOL RegisterDisplayAttributeGuids();
  BOOL OfferFunctionProvider();
  // Undoes the advises, whichever were made.
  void UnadviseThreadMgrSinks();
  // Drops the search provider, telling it that this object is going.
  void ReleaseSearchCandidateProvider();

  // The candidate list's share of the text service's events (see
  // LutemIMEPresenter.cpp).
  void DeletePresenter();
  void ClosePresenterList();
  void ShowPresenterIfFocused(ITfDocumentMgr* focused);
  void ShowPresenterIfLastFocused();
  void HidePresenterOnKillFocus();
};
