#pragma once

#include <cstdint>

#include "Platform.h"
#include "common/ThemeColors.h"
#include "service/keys/KeyToSend.h"
#include "service/keys/KeystrokeState.h"
#include "service/keys/SentKeys.h"
#include "suggest/CStringRange.h"

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
// LutemIMEKeyEventSink.cpp, LutemIMEComposition.cpp (the composition sink),
// LutemIMEFunctionProvider.cpp, LutemIMEDisplayAttributes.cpp,
// LutemIMEPresenter.cpp (the candidate list's share of those events); in
// service/keys/: LutemIMEKeys.cpp (classification and key sessions),
// LutemIMECompositionLife.cpp (start, end, cancel, commit),
// LutemIMECompositionText.cpp (typing into it) and
// LutemIMECandidateCommit.cpp (the conversion list and the commits).
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
  // text service may have been deactivated meanwhile. The request's
  // session result: S_OK when it ran at once, TF_S_ASYNC when it waits, an
  // error when the context refused it.
  HRESULT RequestCloseComposition(ITfContext* context);
  // The composition is open and belongs to context (the only context a
  // key, a commit or a list may touch it from).
  bool ComposingIn(ITfContext* context) const;
  // context is the top context of the focused document.
  bool IsFocusedContext(ITfContext* context);
  // The user left the composition's document: it is ended in its own
  // context by a session asked for there, its text kept as the user saw it.
  // Until that session runs the composition stays the text service's, so
  // the keys still waiting in that document go into it first; with
  // forgetNow (its context is going, or a key of another document must
  // start its own word now) the keys and the list go at once and the
  // session ends the composition on its own.
  void LeaveComposition(bool forgetNow);
  // LeaveComposition when the composition's context is no longer the
  // focused document's top context.
  void LeaveCompositionIfUnfocused();

  // Keys (service/keys/LutemIMEKeys.cpp). ClassifyKey gathers the facts
  // ClassifyKeyStroke classifies; state may be null (key-up).
  BOOL ClassifyKey(ITfContext* context, UINT vk, UINT* code, WCHAR* character,
                   KeystrokeState* state);
  // The same, and whether the key must wait for the key sessions that wait
  // for their lock, to be classified again after them (waitsForKeys).
  BOOL ClassifyKey(ITfContext* context, UINT vk, UINT* code, WCHAR* character,
                   KeystrokeState* state, bool* waitsForKeys);
  // No focused document or context, or the context is disabled or empty.
  BOOL IsTypingBlocked();
  // Asks for the key's handler in an edit session that may run now or
  // later; the request's result. typed: the eaten key as the user typed it,
  // for the application should the handler find nothing of its own to do
  // (DropShiftMarkerBeforeKey).
  HRESULT RequestKeyHandler(ITfContext* context, UINT code, WCHAR character,
                            KeystrokeState state, const KeyToSend* typed = nullptr);
  // Sends key to the application with SendInput; its events then pass the
  // key sink unclassified.
  void SendKeyToApplication(const KeyToSend& key);

  // The composition's life (service/keys/LutemIMEComposition*.cpp). Each runs
  // inside an edit session of context with its cookie.
  HRESULT InsertComposingText(TfEditCookie ec, ITfContext* context, const CStringRange& text);
  HRESULT WriteCompositionRange(TfEditCookie ec, ITfContext* context, ITfRange* range,
                                const CStringRange& text, BOOL found);
  // Ends the composition, its text kept; the keys and the list go with it.
  void CloseComposition(TfEditCookie ec, ITfContext* context);
  // Ends the composition and removes its text.
  HRESULT CancelComposition(TfEditCookie ec, ITfContext* context);
  // Ends it for a pass-through key: the text stays while the caret is in it.
  HRESULT CommitComposition(TfEditCookie ec, ITfContext* context);
  HRESULT AppendKeystroke(TfEditCookie ec, ITfContext* context, WCHAR character);
  // Layout 8's Shift marker waits for the key it shifts; a key the
  // composition does not take finds it last and drops it first, so that the
  // key does what it does without the Shift (service/keys/
  // LutemIMEShiftMarker.cpp). True when nothing else was composed: the
  // composition, empty, has ended, and the key is the application's.
  bool DropShiftMarkerBeforeKey(TfEditCookie ec, ITfContext* context);
  HRESULT UpdateCompositionAndCandidates(TfEditCookie ec, ITfContext* context);
  HRESULT ShowConversionCandidates(TfEditCookie ec, ITfContext* context);
  HRESULT FinalizeSelectedCandidate(TfEditCookie ec, ITfContext* context);
  HRESULT FinalizeCandidateAndReplayKey(TfEditCookie ec, ITfContext* context, UINT code);
  // The request for the conversion list by a key of a word without a list
  // (Enter, Space, Ctrl, and the moving keys with the suggestion bar off).
  // A list that cannot be shown (none to show, or the application refuses
  // what it needs) commits the word as it stands instead, and Enter or
  // Space then goes on, as after a commit from the list: the key is never
  // eaten for nothing.
  HRESULT ConvertOrCommit(TfEditCookie ec, ITfContext* context, UINT code);
  // FinalizeSelectedCandidate, then Enter or Space goes to the application.
  HRESULT CommitAndReplayKey(TfEditCookie ec, ITfContext* context, UINT code);
  // Keeps a composition just started on context (one reference each).
  void AdoptComposition(ITfComposition* started, ITfContext* context);

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
  // Key sessions waiting for their lock, and keys held back to be sent
  // again by one (CKeyHandlerEditSession counts both).
  UINT waitingKeySessions;
  UINT heldKeys;
  // Of the waiting sessions, those that only take a key into the word.
  UINT waitingTypingSessions = 0;
  // Keys sent back to the application, on their way through the key sink.
  SentKeys sentKeys;
  // The last theme announcement themeColors follows (ThemeManager.h).
  uint64_t themeAnnouncementSeen;
  // The list kept while typing could not be begun for this word; the word
  // goes on without one, and the next word tries again.
  bool candidateListRefused = false;

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

  // The key sink's steps (service/tsf/LutemIMEKeyEventSink.cpp).
  BOOL KeyDownEvent(ITfContext* context, WPARAM wParam, LPARAM lParam, bool test);
  BOOL KeyUpEvent(ITfContext* context, WPARAM wParam, LPARAM lParam, bool test);
  // Whether the key event is one the text service sent; the key-down and
  // key-up that follow a test of the same event get the test's answer.
  SentKeys::Returning ReturningKey(WPARAM wParam, LPARAM lParam, bool up, bool test);
  // Ends the composition before a pass-through key reaches the
  // application; TRUE when the key had to be eaten, to be sent again after
  // the commit.
  BOOL PassKeyOn(ITfContext* context, UINT vk, UINT code, WCHAR character, LPARAM lParam);
  // Eats the key and sends it again after the sessions that wait: as it is
  // for the application (after a commit, state the handler to run first),
  // or to be typed again (retype).
  BOOL HoldKey(ITfContext* context, UINT vk, UINT code, WCHAR character, LPARAM lParam,
               KeystrokeState state, bool retype);
  // Frees the key buffer and closes the candidate list (mode 0): what every
  // end of a composition leaves.
  void ForgetComposedKeys();
  // Runs the start of a composition at context's selection now, inside the
  // running key session.
  void StartCompositionAtSelection(ITfContext* context);
  // A new presenter in mode, its list begun on the composition: the result
  // of BeginCandidateList (E_FAIL without a document manager or a
  // composition range; mode 0 again after a failure).
  HRESULT BeginNewCandidateList(TfEditCookie ec, ITfContext* context, UINT mode);
  // The key event the last test saw: whether it was one the text service
  // sent, and whether the test held it back (its KeyDown then does nothing).
  WPARAM testedWParam;
  LPARAM testedLParam;
  SentKeys::Returning testedReturning;
  bool testedValid;
  bool testedHeld;

  // After a context was pushed or popped: the text-edit sink on the
  // focused document's top context, and the composition left when that is
  // not its context any more.
  void FollowTopContext(ITfContext* changed);

  // The candidate list's share of the text service's events (see
  // LutemIMEPresenter.cpp).
  void DeletePresenter();
  void ClosePresenterList();
  void ShowPresenterIfFocused(ITfDocumentMgr* focused);
  void ShowPresenterIfLastFocused();
  void HidePresenterOnKillFocus();
};
