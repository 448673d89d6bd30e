// The text side of a context: its document (TextDocument: text, selection,
// property values, locks), ranges, compositions, properties, its view and
// its edit sessions. Context forwards every ITfContext method about text
// here, asks it for the interfaces only a context with text has
// (ITfInsertAtSelection, ITfContextComposition), and hands it the
// characters the application types. The host drives the application's
// side through it (host/msctf/Documents.h, Views.h).
//
// ITfContext, as its reference describes it:
// - GetSelection gives the one selection for TF_DEFAULT_SELECTION or index
//   0 (nothing for a later index), as a new range with its style;
//   SetSelection takes exactly one selection, a range of this context, and
//   wants a read/write cookie. GetStart and GetEnd give empty ranges at the
//   ends of the text. Every method that takes a cookie answers TF_E_NOLOCK
//   for one that names no lock held on this document.
// - GetProperty gives the context's property of any GUID (the same object
//   each time); GetActiveView its one view. GetStatus reports a read-only
//   document (TS_SD_READONLY). InWriteSession says whether the client holds
//   a read/write lock. GetAppProperty, TrackProperties, EnumProperties,
//   EnumViews and CreateRangeBackup are E_NOTIMPL.
// - The application types a character at the selection, replacing a
//   selected stretch, and leaves the caret after it; Backspace removes the
//   selected stretch or the unit before the caret (a surrogate pair whole);
//   CR and TAB are typed, other control characters ignored. A read-only
//   document takes no typing.
// - When the application pops the context off its document, the sessions
//   waiting for it are dropped and its compositions end without a word to
//   their sinks.
//
// Failure switches: "ITfContext::GetSelection", "ITfContext::SetSelection",
// "ITfContext::GetStart", "ITfContext::GetEnd",
// "ITfContext::GetActiveView" (E_FAIL), "ITfContext::GetProperty"
// (qualified by the property's name; E_FAIL), and those of EditSessions.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "Platform.h"
#include "host/msctf/Views.h"
#include "msctf/ComPtr.h"
#include "msctf/ContextComposition.h"
#include "msctf/EditSessions.h"
#include "msctf/InsertAtSelection.h"
#include "msctf/TextDocument.h"

namespace platform {

class Composition;
class Context;
class ContextView;
class TextProperty;
class TextSpan;

class ContextText {
 public:
  // textStore: what the application gave ITfDocumentMgr::CreateContext (may
  // be null); the stand-in keeps the text itself.
  ContextText(Context& context, IUnknown* textStore);
  ~ContextText();
  ContextText(const ContextText&) = delete;
  ContextText& operator=(const ContextText&) = delete;

  HRESULT RequestEditSession(TfClientId tid, ITfEditSession* pes, DWORD dwFlags,
                             HRESULT* phrSession);
  HRESULT InWriteSession(TfClientId tid, BOOL* pfWriteSession);
  HRESULT GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount, TF_SELECTION* pSelection,
                       ULONG* pcFetched);
  HRESULT SetSelection(TfEditCookie ec, ULONG ulCount, const TF_SELECTION* pSelection);
  HRESULT GetStart(TfEditCookie ec, ITfRange** ppStart);
  HRESULT GetEnd(TfEditCookie ec, ITfRange** ppEnd);
  HRESULT GetActiveView(ITfContextView** ppView);
  HRESULT EnumViews(IEnumTfContextViews** ppEnum);
  HRESULT GetStatus(TF_STATUS* pdcs);
  HRESULT GetProperty(REFGUID guidProp, ITfProperty** ppProp);
  HRESULT GetAppProperty(REFGUID guidProp, ITfReadOnlyProperty** ppProp);
  HRESULT TrackProperties(const GUID** prgProp, ULONG cProp, const GUID** prgAppProp,
                          ULONG cAppProp, ITfReadOnlyProperty** ppProperty);
  HRESULT EnumProperties(IEnumTfProperties** ppEnum);
  HRESULT CreateRangeBackup(TfEditCookie ec, ITfRange* pRange, ITfRangeBackup** ppBackup);

  // An interface of the context object that belongs to its text side, as a
  // pointer into the context without a reference; null when there is none.
  void* FindInterface(REFIID riid);

  // The application handles a character message (WM_CHAR) for this
  // context's document.
  void ApplicationTyped(WCHAR character);

  TextDocument& document() { return *document_; }
  const std::shared_ptr<TextDocument>& sharedDocument() const { return document_; }
  EditSessions& sessions() { return sessions_; }

  // A new composition over span for client, with a reference for the
  // caller.
  ITfComposition* StartComposition(const TextSpan& span, ITfCompositionSink* sink,
                                   TfClientId client);
  void ForgetComposition(Composition* composition);
  // The open compositions, oldest first.
  std::vector<ComPtr<Composition>> compositions() const;

  // The application's side.
  void Load(std::u16string_view text, LONG caret);
  void Select(LONG start, LONG end, TfActiveSelEnd activeEnd);
  // Ends every open composition as an application does; S_FALSE when there
  // was none.
  HRESULT TerminateCompositions();
  ContextView& view();
  void SetViewLayout(const host::ViewLayout& layout);
  void DestroyView();
  // The application popped the context off its document.
  void Popped();

 private:
  void EndCompositionsQuietly();

  Context& context_;
  std::shared_ptr<TextDocument> document_;
  EditSessions sessions_;
  InsertAtSelection insertAtSelection_;
  ContextComposition contextComposition_;
  std::vector<ComPtr<Composition>> compositions_;
  std::vector<ComPtr<TextProperty>> properties_;
  ComPtr<ContextView> view_;
};

}  // namespace platform
