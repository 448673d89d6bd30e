// The text side of a context: its text store, selection, ranges,
// compositions, properties, views and edit sessions. Context forwards every
// ITfContext method about text here, asks it for the interfaces only a
// context with text has (ITfInsertAtSelection, ITfContextComposition), and
// hands it the characters the application types. Until the text store is
// built each text method answers E_NOTIMPL, GetStatus reports a writable
// document, and typed characters are dropped.
#pragma once

#include "Platform.h"

namespace platform {

class Context;

class ContextText {
 public:
  // textStore: what the application gave ITfDocumentMgr::CreateContext (may
  // be null).
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
  // context's document: it types the character at the selection.
  void ApplicationTyped(WCHAR character);

 private:
  Context& context_;
};

}  // namespace platform
