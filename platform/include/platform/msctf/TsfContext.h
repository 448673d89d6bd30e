// A context (one document's text as TSF sees it) and what a text service
// reaches through it: edit sessions, ranges, the selection, properties,
// views and the edit and layout notifications. Slot order and signatures as
// in the SDK's msctf.idl, as the Text Services Framework reference lists
// them.
#pragma once

#include "platform/msctf/WinTsf.h"

struct ITfContext : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE RequestEditSession(TfClientId tid, ITfEditSession* pes,
                                                       DWORD dwFlags, HRESULT* phrSession) = 0;
  virtual HRESULT STDMETHODCALLTYPE InWriteSession(TfClientId tid, BOOL* pfWriteSession) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetSelection(TfEditCookie ec, ULONG ulIndex, ULONG ulCount,
                                                 TF_SELECTION* pSelection, ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetSelection(TfEditCookie ec, ULONG ulCount,
                                                 const TF_SELECTION* pSelection) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetStart(TfEditCookie ec, ITfRange** ppStart) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEnd(TfEditCookie ec, ITfRange** ppEnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetActiveView(ITfContextView** ppView) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumViews(IEnumTfContextViews** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetStatus(TF_STATUS* pdcs) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetProperty(REFGUID guidProp, ITfProperty** ppProp) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetAppProperty(REFGUID guidProp,
                                                   ITfReadOnlyProperty** ppProp) = 0;
  virtual HRESULT STDMETHODCALLTYPE TrackProperties(const GUID** prgProp, ULONG cProp,
                                                    const GUID** prgAppProp, ULONG cAppProp,
                                                    ITfReadOnlyProperty** ppProperty) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumProperties(IEnumTfProperties** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetDocumentMgr(ITfDocumentMgr** ppDm) = 0;
  virtual HRESULT STDMETHODCALLTYPE CreateRangeBackup(TfEditCookie ec, ITfRange* pRange,
                                                      ITfRangeBackup** ppBackup) = 0;
};

struct ITfEditSession : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE DoEditSession(TfEditCookie ec) = 0;
};

struct ITfEditRecord : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetSelectionStatus(BOOL* pfChanged) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTextAndPropertyUpdates(DWORD dwFlags,
                                                              const GUID** prgProperties,
                                                              ULONG cProperties,
                                                              IEnumTfRanges** ppEnum) = 0;
};

struct ITfRange : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetText(TfEditCookie ec, DWORD dwFlags, WCHAR* pchText,
                                            ULONG cchMax, ULONG* pcch) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetText(TfEditCookie ec, DWORD dwFlags, const WCHAR* pchText,
                                            LONG cch) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetFormattedText(TfEditCookie ec,
                                                     IDataObject** ppDataObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetEmbedded(TfEditCookie ec, REFGUID rguidService,
                                                REFIID riid, IUnknown** ppunk) = 0;
  virtual HRESULT STDMETHODCALLTYPE InsertEmbedded(TfEditCookie ec, DWORD dwFlags,
                                                   IDataObject* pDataObject) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftStart(TfEditCookie ec, LONG cchReq, LONG* pcch,
                                               const TF_HALTCOND* pHalt) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftEnd(TfEditCookie ec, LONG cchReq, LONG* pcch,
                                             const TF_HALTCOND* pHalt) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftStartToRange(TfEditCookie ec, ITfRange* pRange,
                                                      TfAnchor aPos) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftEndToRange(TfEditCookie ec, ITfRange* pRange,
                                                    TfAnchor aPos) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftStartRegion(TfEditCookie ec, TfShiftDir dir,
                                                     BOOL* pfNoRegion) = 0;
  virtual HRESULT STDMETHODCALLTYPE ShiftEndRegion(TfEditCookie ec, TfShiftDir dir,
                                                   BOOL* pfNoRegion) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsEmpty(TfEditCookie ec, BOOL* pfEmpty) = 0;
  virtual HRESULT STDMETHODCALLTYPE Collapse(TfEditCookie ec, TfAnchor aPos) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsEqualStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                                 BOOL* pfEqual) = 0;
  virtual HRESULT STDMETHODCALLTYPE IsEqualEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                               BOOL* pfEqual) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareStart(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                                 LONG* plResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE CompareEnd(TfEditCookie ec, ITfRange* pWith, TfAnchor aPos,
                                               LONG* plResult) = 0;
  virtual HRESULT STDMETHODCALLTYPE AdjustForInsert(TfEditCookie ec, ULONG cchInsert,
                                                    BOOL* pfInsertOk) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetGravity(TfGravity* pgStart, TfGravity* pgEnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetGravity(TfEditCookie ec, TfGravity gStart,
                                               TfGravity gEnd) = 0;
  virtual HRESULT STDMETHODCALLTYPE Clone(ITfRange** ppClone) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetContext(ITfContext** ppContext) = 0;
};

struct ITfInsertAtSelection : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE InsertTextAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                          const WCHAR* pchText, LONG cch,
                                                          ITfRange** ppRange) = 0;
  virtual HRESULT STDMETHODCALLTYPE InsertEmbeddedAtSelection(TfEditCookie ec, DWORD dwFlags,
                                                              IDataObject* pDataObject,
                                                              ITfRange** ppRange) = 0;
};

struct ITfContextView : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetRangeFromPoint(TfEditCookie ec, const POINT* ppt,
                                                      DWORD dwFlags, ITfRange** ppRange) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetTextExt(TfEditCookie ec, ITfRange* pRange, RECT* prc,
                                               BOOL* pfClipped) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetScreenExt(RECT* prc) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetWnd(HWND* phwnd) = 0;
};

struct ITfTextEditSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnEndEdit(ITfContext* pic, TfEditCookie ecReadOnly,
                                              ITfEditRecord* pEditRecord) = 0;
};

struct ITfTextLayoutSink : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE OnLayoutChange(ITfContext* pic, TfLayoutCode lcode,
                                                   ITfContextView* pView) = 0;
};

struct ITfReadOnlyProperty : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE GetType(GUID* pguid) = 0;
  virtual HRESULT STDMETHODCALLTYPE EnumRanges(TfEditCookie ec, IEnumTfRanges** ppEnum,
                                               ITfRange* pTargetRange) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetValue(TfEditCookie ec, ITfRange* pRange,
                                             VARIANT* pvarValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE GetContext(ITfContext** ppContext) = 0;
};

struct ITfProperty : public ITfReadOnlyProperty {
  virtual HRESULT STDMETHODCALLTYPE FindRange(TfEditCookie ec, ITfRange* pRange,
                                              ITfRange** ppRange, TfAnchor aPos) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetValueStore(TfEditCookie ec, ITfRange* pRange,
                                                  ITfPropertyStore* pPropStore) = 0;
  virtual HRESULT STDMETHODCALLTYPE SetValue(TfEditCookie ec, ITfRange* pRange,
                                             const VARIANT* pvarValue) = 0;
  virtual HRESULT STDMETHODCALLTYPE Clear(TfEditCookie ec, ITfRange* pRange) = 0;
};

struct IEnumTfRanges : public IUnknown {
  virtual HRESULT STDMETHODCALLTYPE Clone(IEnumTfRanges** ppEnum) = 0;
  virtual HRESULT STDMETHODCALLTYPE Next(ULONG ulCount, ITfRange** ppRange, ULONG* pcFetched) = 0;
  virtual HRESULT STDMETHODCALLTYPE Reset() = 0;
  virtual HRESULT STDMETHODCALLTYPE Skip(ULONG ulCount) = 0;
};

inline constexpr IID IID_ITfContext = {
    0xaa80e7fd, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfEditSession = {
    0xaa80e803, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfEditRecord = {
    0x42d4d099, 0x7c1a, 0x4a89, {0xb8, 0x36, 0x6c, 0x6f, 0x22, 0x16, 0x0d, 0xf0}};
inline constexpr IID IID_ITfRange = {
    0xaa80e7ff, 0x2021, 0x11d2, {0x93, 0xe0, 0x00, 0x60, 0xb0, 0x67, 0xb8, 0x6e}};
inline constexpr IID IID_ITfInsertAtSelection = {
    0x55ce16ba, 0x3014, 0x41c1, {0x9c, 0xeb, 0xfa, 0xde, 0x14, 0x46, 0xac, 0x6c}};
inline constexpr IID IID_ITfContextView = {
    0x2433bf8e, 0x0f9b, 0x435c, {0xba, 0x2c, 0x18, 0x06, 0x11, 0x97, 0x8c, 0x30}};
inline constexpr IID IID_ITfTextEditSink = {
    0x8127d409, 0xccd3, 0x4683, {0x96, 0x7a, 0xb4, 0x3d, 0x5b, 0x48, 0x2b, 0xf7}};
inline constexpr IID IID_ITfTextLayoutSink = {
    0x2af2d06a, 0xdd5b, 0x4927, {0xa0, 0xb4, 0x54, 0xf1, 0x9c, 0x91, 0xfa, 0xde}};
inline constexpr IID IID_ITfReadOnlyProperty = {
    0x17d49a3d, 0xf8b8, 0x4b2f, {0xb2, 0x54, 0x52, 0x31, 0x9d, 0xd6, 0x4c, 0x53}};
inline constexpr IID IID_ITfProperty = {
    0xe2449660, 0x9542, 0x11d2, {0xbf, 0x46, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
inline constexpr IID IID_IEnumTfRanges = {
    0xf99d3f40, 0x8e32, 0x11d2, {0xbf, 0x46, 0x00, 0x10, 0x5a, 0x27, 0x99, 0xb5}};
